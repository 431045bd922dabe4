# Fills the change log's version and date: cmake -DSOURCE=... -DOUTPUT=... -DVERSION=... -P
# The date is SOURCE_DATE_EPOCH when that is set (string(TIMESTAMP) reads it), else now.
cmake_minimum_required(VERSION 3.25)
string(TIMESTAMP DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${SOURCE} ${OUTPUT} @ONLY)
