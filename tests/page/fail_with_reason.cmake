# A test that cannot run fails with its reason: cmake -DREASON=... -P this.
message(FATAL_ERROR "${REASON}")
