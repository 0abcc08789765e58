# The loopback ports of a build tree's test servers (the stream server and the guide
# site that the tests start in place of the viewer's hosts). Each tree has its own
# pair, so two test runs on one machine (two clones, or a developer beside CI) never
# meet on a port: the pair comes from the build folder's path, below the kernel's
# ephemeral ports (32768 and up, which outgoing connections take), and a pair that
# something listens on when the tree is first configured is passed over. The pair is
# kept in the cache because the tree's test viewer has it compiled in.
#   ZELVANO_TEST_STREAM_PORT, ZELVANO_TEST_GUIDE_PORT (the next port)

set(ZEL_TEST_PORT_FIRST 20000)
set(ZEL_TEST_PORT_PAIRS 6000) # up to 31999

# zel_test_ports_free(<out> <port>...): TRUE when each port can be bound on 127.0.0.1.
function(zel_test_ports_free out)
  execute_process(
    COMMAND "${ZEL_PYTHON3}" -c
      "import socket, sys
for p in sys.argv[1:]:
    s = socket.socket()
    s.bind(('127.0.0.1', int(p)))
    s.close()" ${ARGN}
    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  if(failed)
    set(${out} FALSE PARENT_SCOPE)
  else()
    set(${out} TRUE PARENT_SCOPE)
  endif()
endfunction()

if(NOT ZELVANO_TEST_STREAM_PORT)
  string(SHA256 path_hash "${CMAKE_BINARY_DIR}")
  string(SUBSTRING "${path_hash}" 0 6 path_hash)
  math(EXPR pair "0x${path_hash} % ${ZEL_TEST_PORT_PAIRS}")
  foreach(attempt RANGE 1 32)
    math(EXPR port "${ZEL_TEST_PORT_FIRST} + 2 * ${pair}")
    math(EXPR next "${port} + 1")
    zel_test_ports_free(free ${port} ${next})
    if(free)
      break()
    endif()
    math(EXPR pair "(${pair} + 1) % ${ZEL_TEST_PORT_PAIRS}")
  endforeach()
  if(NOT free)
    message(FATAL_ERROR "No free pair of loopback ports for the tests among 32 tried (up to ${port})")
  endif()
  set(ZELVANO_TEST_STREAM_PORT ${port} CACHE STRING
    "Loopback port of this tree's test stream server (the guide site's is the next one)")
endif()
math(EXPR ZELVANO_TEST_GUIDE_PORT "${ZELVANO_TEST_STREAM_PORT} + 1")
