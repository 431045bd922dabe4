# A man page from its scdoc source, as compressed troff:
# cmake -DSCDOC=... -DGZIP=... -DSOURCE=x.1.scd -DOUTPUT=x.1.gz -P make_man_page.cmake
cmake_minimum_required(VERSION 3.25)
string(REGEX REPLACE "\\.gz$" "" troff "${OUTPUT}")
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${troff}
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GZIP} -9nf ${troff} COMMAND_ERROR_IS_FATAL ANY)
