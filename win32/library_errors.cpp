// What the programs do when the C++ library reports an error: a request for more
// than memory can hold is out of memory (std::bad_alloc, the one library error a
// caller handles), an exception that nobody caught and a broken precondition
// (an index out of range, a null string) end the program with one trace line.
//
// The definitions stand in for the library's own of the same names, which a
// program linked with this file then does not take: those build their
// exceptions from a second string implementation and write to a standard error
// output that a windowed program does not have, with a symbol demangler and the
// C library's formatted output; together about half of a small program.
// Should a newer library call a reporting function not defined here, its own
// file comes in again and the link fails on the names defined twice.
#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <new>

namespace {

// The trace line's form, written directly: the heap may be what failed.
[[noreturn]] void EndProgram(const char* why) {
  wchar_t line[256] = L"Zelvano: the program ends: ";
  size_t n = 0;
  while (line[n]) ++n;
  for (const char* c = why; c && *c && n + 2 < std::size(line); ++c)
    line[n++] = static_cast<unsigned char>(*c);
  line[n++] = L'\n';
  line[n] = L'\0';
  OutputDebugStringW(line);
  std::abort();
}

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() { EndProgram("an exception that nobody caught"); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char* what) { EndProgram(what); }
void __throw_invalid_argument(const char* what) { EndProgram(what); }
void __throw_out_of_range(const char* what) { EndProgram(what); }
void __throw_out_of_range_fmt(const char* what, ...) { EndProgram(what); }

}  // namespace std
