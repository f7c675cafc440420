#include "core/text/line_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/text/latin1.h"
#include "core/text/quoted.h"

namespace pistora {
namespace {

WriteFaultPlan g_fault_plan;

std::string SystemReason(int error_number) {
  return error_number != 0 ? std::string(std::strerror(error_number)) : std::string("erreur d'entrée/sortie");
}

std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp~" + std::to_string(counter.fetch_add(1));
}

// A byte limit as a reader would say it: "256 Mo", "64 Ko", "100 octets" (never rounded to 0).
std::string SizeLimitText(std::size_t bytes) {
  if (bytes >= 1024u * 1024u && bytes % (1024u * 1024u) == 0) return std::to_string(bytes >> 20) + " Mo";
  if (bytes >= 1024u && bytes % 1024u == 0) return std::to_string(bytes >> 10) + " Ko";
  return std::to_string(bytes) + " octets";
}

}  // namespace

void SetWriteFaultPlanForTesting(const WriteFaultPlan& plan) { g_fault_plan = plan; }

Status ReadFileBytes(const std::string& path, std::string* bytes, std::size_t max_bytes) {
  bytes->clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return Status::Error("Impossible de lire " + Quoted(path) + " : c'est un dossier.");
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return Status::Error("Impossible d'ouvrir " + Quoted(path) + " : " + SystemReason(errno) + ".");
  }
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (bytes->size() + static_cast<std::size_t>(got) > max_bytes) {
      bytes->clear();
      return Status::Error("Le fichier " + Quoted(path) + " est trop grand (plus de " +
                           SizeLimitText(max_bytes) + ").");
    }
    bytes->append(buffer, static_cast<std::size_t>(got));
  }
  if (in.bad()) {
    bytes->clear();
    return Status::Error("Erreur de lecture de " + Quoted(path) + ".");
  }
  return Status::Ok();
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(bytes.substr(start, i - start));
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

Status ReadLatin1Lines(const std::string& path, std::vector<std::string>* lines, std::size_t max_bytes) {
  lines->clear();
  std::string bytes;
  Status status = ReadFileBytes(path, &bytes, max_bytes);
  if (!status) return status;
  std::vector<std::string> raw = SplitLines(bytes);
  lines->reserve(raw.size());
  for (const std::string& line : raw) lines->push_back(Latin1ToUtf8(line));
  return Status::Ok();
}

std::string JoinLatin1CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += Utf8ToLatin1(line);
    out += "\r\n";
  }
  return out;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryNameFor(path);
  std::error_code ec;
  const WriteFaultPlan plan = g_fault_plan;
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      return Status::Error("Impossible d'écrire " + Quoted(path) + " : " + SystemReason(errno) + ".");
    }
    std::string_view to_write = bytes;
    bool injected = false;
    if (plan.fail_after_bytes >= 0 && static_cast<unsigned long long>(plan.fail_after_bytes) < bytes.size()) {
      to_write = bytes.substr(0, static_cast<std::size_t>(plan.fail_after_bytes));
      injected = true;
    }
    out.write(to_write.data(), static_cast<std::streamsize>(to_write.size()));
    out.flush();
    const bool failed = injected || !out;
    out.close();
    if (failed || !out) {
      const int saved = injected ? ENOSPC : errno;
      std::filesystem::remove(temporary, ec);
      return Status::Error("Échec de l'écriture de " + Quoted(path) + " : " + SystemReason(saved) +
                           ". Le fichier précédent est conservé.");
    }
  }
  if (plan.fail_rename) {
    std::filesystem::remove(temporary, ec);
    return Status::Error("Impossible de remplacer " + Quoted(path) + " : " + SystemReason(EACCES) +
                         ". Le fichier précédent est conservé.");
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Status::Error("Impossible de remplacer " + Quoted(path) + " : " + ec.message() +
                         ". Le fichier précédent est conservé.");
  }
  return Status::Ok();
}

Status WriteLatin1LinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileAtomically(path, JoinLatin1CrLf(lines));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace pistora
