#include "core/text/line_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text/latin1.h"
#include "core/text/message_translation.h"
#include "core/text/quoted.h"

namespace pistora {
namespace {

WriteFaultPlan g_fault_plan;

std::string SystemReason(int error_number) {
  return error_number != 0 ? std::string(std::strerror(error_number)) : Tr("erreur d'entrée/sortie");
}

constexpr const char* kTemporaryMark = ".tmp~";

// Temporaries written but not yet renamed while a StagedSaves is alive on this thread.
thread_local std::vector<StagedFile>* t_staged = nullptr;

// Renames done since the fault plan was set (fault injection only).
int g_renames_done = 0;
int g_writes_done = 0;

std::string FolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

// Removes what an interrupted save of `path` left beside it: names made of the target's name,
// the mark and anything after it. unlink() removes a planted link itself, never its target.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string prefix = std::filesystem::path(path).filename().string() + kTemporaryMark;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(FolderOf(path), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
      ::unlink(it->path().c_str());
    }
  }
}

// Creates a new temporary beside `path`, never through an existing name or link (O_EXCL,
// O_NOFOLLOW). It takes the mode of the file it will replace (a private file stays private),
// or 0644 less the umask for a new one. Returns 0 or the errno.
int CreateTemporary(const std::string& path, std::string* temporary, int* fd) {
  static std::atomic<unsigned> counter{0};
  struct stat replaced {};
  const bool replacing = ::lstat(path.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode);
  int error = EEXIST;
  // A name taken meanwhile (another program, a planted link) is skipped, never opened.
  for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
    *temporary = path + kTemporaryMark + std::to_string(counter.fetch_add(1));
    *fd = ::open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                 replacing ? 0600 : 0644);
    error = *fd < 0 ? errno : 0;
  }
  if (error != 0) return error;
  if (replacing) {
    if (::geteuid() == 0) (void)!::fchown(*fd, replaced.st_uid, replaced.st_gid);
    (void)!::fchmod(*fd, replaced.st_mode & 07777);
  }
  return 0;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno != 0 ? errno : EIO;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int RenameOver(const std::string& temporary, const std::string& path) {
  const WriteFaultPlan& plan = g_fault_plan;
  if (plan.fail_rename && g_renames_done >= plan.renames_before_failure) return EACCES;
  ++g_renames_done;
  return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
}

// Makes the new name itself durable.
void SyncFolderOf(const std::string& path) {
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// A byte limit as a reader would say it: "256 Mo", "64 Ko", "100 octets" (never rounded to 0).
std::string SizeLimitText(std::size_t bytes) {
  if (bytes >= 1024u * 1024u && bytes % (1024u * 1024u) == 0) return std::to_string(bytes >> 20) + " Mo";
  if (bytes >= 1024u && bytes % 1024u == 0) return std::to_string(bytes >> 10) + " Ko";
  return std::to_string(bytes) + " octets";
}

}  // namespace

void SetWriteFaultPlanForTesting(const WriteFaultPlan& plan) {
  g_fault_plan = plan;
  g_renames_done = 0;
  g_writes_done = 0;
}

Status ReadFileBytes(const std::string& path, std::string* bytes, std::size_t max_bytes) {
  bytes->clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return Status::Error(Fill(Tr("Impossible de lire %1 : c'est un dossier."), {Quoted(path)}));
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return Status::Error(Fill(Tr("Impossible d'ouvrir %1 : %2."), {Quoted(path), SystemReason(errno)}));
  }
  // One allocation of the file's size: growing by doubling would hold up to three times it.
  if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size <= max_bytes) {
    bytes->reserve(static_cast<std::size_t>(size));
  }
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    if (bytes->size() + static_cast<std::size_t>(got) > max_bytes) {
      bytes->clear();
      return Status::Error(Fill(Tr("Le fichier %1 est trop grand (plus de %2)."), {Quoted(path), SizeLimitText(max_bytes)}));
    }
    bytes->append(buffer, static_cast<std::size_t>(got));
  }
  if (in.bad()) {
    bytes->clear();
    return Status::Error(Fill(Tr("Erreur de lecture de %1."), {Quoted(path)}));
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

bool LineCursor::Next(std::string_view* line) {
  if (next_ >= bytes_.size()) return false;
  std::size_t end = next_;
  while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
  *line = bytes_.substr(next_, end - next_);
  if (end < bytes_.size()) {
    if (bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n') ++end;
    ++end;
  }
  next_ = end;
  return true;
}

std::size_t LineCursor::CountRemaining() const {
  LineCursor copy = *this;
  std::size_t count = 0;
  std::string_view line;
  while (copy.Next(&line)) ++count;
  return count;
}

Status ReadLatin1Lines(const std::string& path, std::vector<std::string>* lines, std::size_t max_bytes) {
  lines->clear();
  std::string bytes;
  Status status = ReadFileBytes(path, &bytes, max_bytes);
  if (!status) return status;
  const std::size_t count = LineCursor(bytes).CountRemaining();
  // Small files pass whatever their lines: only a large file can make this matter.
  if (count * sizeof(std::string) > kMaxBytesPerShortLine * bytes.size() + (std::size_t{1} << 20)) {
    return Status::Error(Fill(Tr("Le fichier %1 n'est pas un fichier texte de ce programme : %2 lignes pour %3 "
                                 "octets (lignes presque toutes vides)."),
                              {Quoted(path), std::to_string(count), std::to_string(bytes.size())}));
  }
  lines->reserve(count);
  LineCursor cursor(bytes);
  std::string_view line;
  while (cursor.Next(&line)) lines->push_back(Latin1ToUtf8(line));
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
  const WriteFaultPlan plan = g_fault_plan;
  RemoveStaleTemporaries(path);
  std::string temporary;
  int fd = -1;
  if (const int error = CreateTemporary(path, &temporary, &fd); error != 0) {
    return Status::Error(Fill(Tr("Impossible d'écrire %1 : %2."), {Quoted(path), SystemReason(error)}));
  }
  std::string_view to_write = bytes;
  bool injected = false;
  if (plan.fail_after_bytes >= 0 && static_cast<unsigned long long>(plan.fail_after_bytes) < bytes.size()) {
    to_write = bytes.substr(0, static_cast<std::size_t>(plan.fail_after_bytes));
    injected = true;
  }
  if (injected && g_writes_done++ < plan.writes_before_failure) {
    to_write = bytes;
    injected = false;
  }
  int error = WriteAll(fd, to_write);
  if (error == 0 && injected) error = ENOSPC;
  // The data must be on the disk before the name points at it, or a power cut after the rename
  // can leave an empty file where the good one was.
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Status::Error(Fill(Tr("Échec de l'écriture de %1 : %2. Le fichier précédent est conservé."),
                              {Quoted(path), SystemReason(error)}));
  }
  if (t_staged != nullptr) {
    t_staged->push_back({path, temporary});
    return Status::Ok();
  }
  if (const int rename_error = RenameOver(temporary, path); rename_error != 0) {
    ::unlink(temporary.c_str());
    return Status::Error(Fill(Tr("Impossible de remplacer %1 : %2. Le fichier précédent est conservé."),
                              {Quoted(path), SystemReason(rename_error)}));
  }
  SyncFolderOf(path);
  return Status::Ok();
}

StagedSaves::StagedSaves() : previous_(t_staged) { t_staged = &staged_; }

StagedSaves::~StagedSaves() {
  t_staged = previous_;
  if (g_fault_plan.abandon_staged) return;  // as a killed process leaves them
  for (const StagedFile& file : staged_) ::unlink(file.temporary.c_str());
}

Status StagedSaves::Commit() {
  t_staged = previous_;
  std::vector<StagedFile> files = std::move(staged_);
  staged_.clear();
  if (previous_ != nullptr) {
    // Part of a larger set: renamed with it.
    previous_->insert(previous_->end(), files.begin(), files.end());
    return Status::Ok();
  }
  // Each file being replaced is kept under a second name until the whole set is in place, so
  // that a refused rename can put the previous set back.
  std::vector<std::string> backups(files.size());
  std::vector<bool> existed(files.size(), false);
  for (std::size_t i = 0; i < files.size(); ++i) {
    struct stat info {};
    if (::lstat(files[i].path.c_str(), &info) != 0) continue;
    existed[i] = true;
    const std::string backup = files[i].path + kTemporaryMark + "prev";
    ::unlink(backup.c_str());
    if (::link(files[i].path.c_str(), backup.c_str()) == 0) backups[i] = backup;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const int error = RenameOver(files[i].temporary, files[i].path);
    if (error == 0) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (!backups[j].empty()) {
        ::rename(backups[j].c_str(), files[j].path.c_str());
        backups[j].clear();
      } else if (!existed[j]) {
        ::unlink(files[j].path.c_str());
      }
    }
    for (std::size_t j = i; j < files.size(); ++j) ::unlink(files[j].temporary.c_str());
    for (const std::string& backup : backups) {
      if (!backup.empty()) ::unlink(backup.c_str());
    }
    return Status::Error(Fill(Tr("Impossible de remplacer %1 : %2. Aucun fichier de l'ensemble n'a été remplacé."),
                              {Quoted(files[i].path), SystemReason(error)}));
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!backups[i].empty()) ::unlink(backups[i].c_str());
    SyncFolderOf(files[i].path);
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
