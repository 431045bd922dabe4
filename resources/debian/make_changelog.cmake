# Fills the change log's version and date: cmake -DSOURCE=... -DOUTPUT=... -DVERSION=... -P
# The date is SOURCE_DATE_EPOCH when that is set (string(TIMESTAMP) reads it), else now.
string(TIMESTAMP DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(READ ${SOURCE} text)
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
string(REPLACE "@DATE@" "${DATE}" text "${text}")
file(WRITE ${OUTPUT} "${text}")
