// The loopback ports of this build tree's test servers, chosen when the tree was
// configured (cmake/test_ports.cmake); the tree's viewer has them compiled in as its
// stream server and guide site, so two test runs on one machine never share one.
#pragma once

namespace zeltest {

inline constexpr unsigned short kStreamPort = ZEL_TEST_STREAM_PORT;
inline constexpr unsigned short kGuidePort = ZEL_TEST_GUIDE_PORT;

}  // namespace zeltest
