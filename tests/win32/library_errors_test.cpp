// The programs' answer to the C++ library's error reports (win32/library_errors.cpp),
// in a test program linked with it as the programs are.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

TEST(LibraryErrors, ARequestBeyondWhatMemoryCanHoldIsOutOfMemory) {
  std::wstring text;
  EXPECT_THROW(text.reserve(text.max_size() + 1), std::bad_alloc);
  std::vector<int> numbers;
  EXPECT_THROW(numbers.reserve(numbers.max_size() + 1), std::bad_alloc);
  // Memory that is there is still given.
  text.reserve(100);
  EXPECT_GE(text.capacity(), 100u);
}

// Not an exception a caller could catch (the library's own would be caught here):
// the program ends.
TEST(LibraryErrorsDeathTest, ABrokenPreconditionEndsTheProgram) {
  EXPECT_DEATH(
      {
        const std::wstring text = L"abc";
        try {
          (void)text.at(5);
        } catch (...) {
        }
      },
      "");
}

}  // namespace
