#include "core/settings/language_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/text/latin1.h"
#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/quoted.h"

namespace pistora {
namespace {

bool HasLanguageExtension(const std::string& name) {
  static constexpr std::string_view kExtension = ".lng";
  if (name.size() < kExtension.size()) return false;
  const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

// Reads at most `limit` bytes of the file and splits them into lines. When the file goes on past
// the limit, the last, possibly cut, line is dropped.
Status ReadLeadingLines(const std::string& path, std::size_t limit, std::vector<std::string>* lines) {
  lines->clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return Status::Error(Fill(Tr("Impossible de lire %1 : c'est un dossier."), {Quoted(path)}));
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const int saved = errno;
    return Status::Error(Fill(Tr("Impossible d'ouvrir %1 : %2."),
                              {Quoted(path), saved != 0 ? std::strerror(saved) : Tr("erreur d'entrée/sortie")}));
  }
  std::string bytes(limit + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return Status::Error(Fill(Tr("Erreur de lecture de %1."), {Quoted(path)}));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  const bool cut = bytes.size() > limit;
  if (cut) bytes.resize(limit);
  std::vector<std::string> raw = SplitLines(bytes);
  if (cut && !raw.empty()) raw.pop_back();
  lines->reserve(raw.size());
  for (const std::string& line : raw) lines->push_back(Latin1ToUtf8(line));
  return Status::Ok();
}

}  // namespace

std::string LanguageEntry(std::string_view file_name, std::string_view first_line) {
  return std::string(file_name) + " ( " + std::string(first_line) + " )";
}

LanguageListing ListLanguageFiles(const std::string& folder) {
  LanguageListing listing;
  std::vector<std::string> names;
  std::error_code ec;
  const std::filesystem::path root =
      folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  std::filesystem::directory_iterator it(root, ec);
  if (ec) {
    // A folder that cannot be searched holds no language file: the list stays empty.
    return listing;
  }
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    std::error_code type_ec;
    if (!HasLanguageExtension(name) || std::filesystem::is_directory(it->path(), type_ec)) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    std::vector<std::string> lines;
    // The first line is all that is needed; a short read keeps a huge file cheap.
    Status status = ReadLeadingLines(JoinPath(folder, name), 64u * 1024u, &lines);
    if (!status) {
      listing.status = status;
      break;
    }
    listing.entries.push_back(LanguageEntry(name, lines.empty() ? std::string() : lines.front()));
  }
  return listing;
}

Status LanguageFileNameOfEntry(std::string_view entry, std::string* file_name) {
  const std::size_t open = entry.find('(');
  if (open == std::string_view::npos) {
    return Status::Error(Fill(Tr("Le choix de langue %1 ne désigne aucun fichier de langue."), {Quoted(entry)}));
  }
  // Drop the one character (not byte) before the "(": step back over UTF-8 continuation bytes.
  std::size_t end = open;
  if (end > 0) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(entry[end]) & 0xC0) == 0x80) --end;
  }
  *file_name = std::string(entry.substr(0, end));
  return Status::Ok();
}

std::string CaptionOfLine(std::string_view line) {
  const std::size_t hash = line.find('#');
  return std::string(hash == std::string_view::npos ? line : line.substr(hash + 1));
}

std::string LanguageText::Caption(int line) const {
  if (line < 2 || line > kLanguageFileLineCount) return std::string();
  return CaptionOfLine(lines[static_cast<std::size_t>(line)]);
}

ModeNames ModeNamesOf(const LanguageText& text) {
  constexpr int kEngravingModeLine = 79;
  constexpr int kDrillingModeLine = 80;
  return {text.Caption(kEngravingModeLine), text.Caption(kDrillingModeLine)};
}

Status LoadLanguageFile(const std::string& path, LanguageText* text) {
  std::vector<std::string> read;
  Status status = ReadLeadingLines(path, kLanguageFileReadLimit, &read);
  if (!status) return status;
  LanguageText loaded;
  const std::size_t kept = std::min<std::size_t>(read.size(), kLanguageFileLineCount);
  for (std::size_t i = 0; i < kept; ++i) loaded.lines[i + 1] = std::move(read[i]);
  *text = std::move(loaded);
  return Status::Ok();
}

void ForEachCaption(const LanguageText& text,
                    const std::function<void(const CaptionTarget& target, const std::string& caption)>& apply) {
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    const std::string caption = text.Caption(line);
    for (const CaptionTarget& target : CaptionTargetsOfLine(line)) apply(target, caption);
  }
}

Status LoadLanguage(const std::string& folder, std::string_view entry, LanguageText* text) {
  std::string file_name;
  Status status = LanguageFileNameOfEntry(entry, &file_name);
  if (!status) return status;
  if (file_name.empty()) {
    return Status::Error(Fill(Tr("Le choix de langue %1 ne désigne aucun fichier de langue."), {Quoted(entry)}));
  }
  const std::string path = JoinPath(folder, file_name);
  std::error_code ec;
  if (file_name == kBuiltInLanguageFileName && !std::filesystem::exists(path, ec)) {
    *text = BuiltInFrenchText();
    return Status::Ok();
  }
  return LoadLanguageFile(path, text);
}

LanguageText BuiltInFrenchText() {
  LanguageText text;
  text.lines[1] = std::string(BuiltInFrenchCaption(1));
  for (int line = 2; line <= kLanguageFileLineCount; ++line) {
    text.lines[static_cast<std::size_t>(line)] = "#" + std::string(BuiltInFrenchCaption(line));
  }
  return text;
}

}  // namespace pistora
