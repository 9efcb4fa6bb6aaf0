# Sourced by every script first: the same behaviour whatever the caller's
# locale, time zone or terminal. C.UTF-8 exists on every Debian, even a
# minimal one, and lets Wine give files Japanese names on the Linux side.
export LC_ALL=C.UTF-8 TZ=UTC
unset LANGUAGE LANG
