// Readers hold memory in proportion to what a file says, not to how many lines it has: a file of
// nothing but line ends is read (or refused) within a small multiple of its size. Measured by
// counting the bytes this program has allocated at the worst moment of each read.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include <malloc.h>

#include "core/job/engraving_file.h"
#include "core/machine/iso_program.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"

// These replace the global allocation functions: malloc and free are their own pair here.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};
}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const long long live = g_live += static_cast<long long>(malloc_usable_size(p));
  long long peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  g_live -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace pistora {
namespace {

// Bytes allocated at the worst moment of `read`, beyond what was live before it.
long long PeakDuring(const std::function<void()>& read) {
  const long long before = g_live.load();
  g_peak = before;
  read();
  return g_peak.load() - before;
}

TEST(MemoryBound, AFileOfLineEndsCostsAboutItsSize) {
  constexpr std::size_t kSize = 64u << 20;
  constexpr long long kLimit = 200LL << 20;
  testing::TempFolder folder("memory_bound");
  struct Row {
    const char* name;
    std::string line_end;
  } rows[] = {{"LF", "\n"}, {"CR LF", "\r\n"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.PathOf("lines");
    {
      std::string bytes;
      bytes.reserve(kSize);
      while (bytes.size() < kSize) bytes += row.line_end;
      ASSERT_TRUE(WriteFileAtomically(path, bytes));
    }
    Status status;
    const long long grv = PeakDuring([&] {
      EngravingFile file;
      status = ReadEngravingFile(path, &file);
    });
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("ligne 1"), std::string::npos) << status.message();
    const long long program = PeakDuring([&] {
      std::vector<std::string> lines;
      status = LoadIsoProgram(path, &lines);
    });
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("lignes presque toutes vides"), std::string::npos) << status.message();
    const std::string suffix = row.line_end.size() == 1 ? "_lf" : "_crlf";
    RecordProperty("peak_grv" + suffix, std::to_string(grv));
    RecordProperty("peak_iso" + suffix, std::to_string(program));
    EXPECT_LT(grv, kLimit) << grv;
    EXPECT_LT(program, kLimit) << program;
  }
  // Ordinary short lines still read: a program of "G00 Z2" lines.
  const std::string path = folder.PathOf("short.iso");
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "G00 Z2\r\n";
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadIsoProgram(path, &lines));
  EXPECT_EQ(lines.size(), 100000u);
}

}  // namespace
}  // namespace pistora
