#include "image/gerber_picture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "core/job/gerber_extent.h"
#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kRenderAttempts = 3;
constexpr std::size_t kMaxGerberFileBytes = std::size_t{256} << 20;

// The last lines gerbv wrote on its error stream, for a message.
std::string ErrorLines(QProcess& process) {
  const QString text = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  QStringList lines = text.split('\n', Qt::SkipEmptyParts);
  while (lines.size() > 6) lines.removeFirst();
  return lines.join(" / ").simplified().toStdString();
}

// The board window of one rendering: lower-left corner (inches, as written to gerbv and read
// back, so that both sides use the same number) and size in pixels.
struct Window {
  double left_in = 0.0;
  double bottom_in = 0.0;
  int width = 0;
  int height = 0;
};

Window WindowAround(const BoardBox& box, double grow_mm, int dpi) {
  const double left = (box.min_x - grow_mm) / kMillimetresPerInch;
  const double bottom = (box.min_y - grow_mm) / kMillimetresPerInch;
  Window w;
  // Six decimals: a millionth of an inch, far below a pixel.
  w.left_in = *ParseDecimal(FormatFixed(left, 6), '.');
  w.bottom_in = *ParseDecimal(FormatFixed(bottom, 6), '.');
  w.width = static_cast<int>(std::ceil(((box.max_x + grow_mm) / kMillimetresPerInch - w.left_in) * dpi)) + 1;
  w.height = static_cast<int>(std::ceil(((box.max_y + grow_mm) / kMillimetresPerInch - w.bottom_in) * dpi)) + 1;
  return w;
}

Status RunGerbv(const GerberRequest& request, const QString& program, const Window& w, const QString& png) {
  const QStringList arguments = {
      "--export=png",
      "--dpi=" + QString::number(request.dpi),
      "--border=0",
      "--origin=" + QString::fromStdString(FormatFixed(w.left_in, 6)) + "x" +
          QString::fromStdString(FormatFixed(w.bottom_in, 6)),
      // In inches: gerbv refuses a window of more than 2000 pixels a side. A tenth of a pixel more
      // keeps the whole number of pixels whichever way gerbv rounds (six decimals: it reads no more).
      "--window_inch=" + QString::fromStdString(FormatFixed((w.width + 0.1) / request.dpi, 6)) + "x" +
          QString::fromStdString(FormatFixed((w.height + 0.1) / request.dpi, 6)),
      "--foreground=#000000FF",
      "--background=#FFFFFF",
      "--output=" + png,
      QString::fromStdString(request.gerber_path)};
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted()) {
    return Status::Error(Fill(Tr("Impossible de lancer gerbv (%1) : %2."),
                              {program.toStdString(), process.errorString().toStdString()}));
  }
  QElapsedTimer waited;
  waited.start();
  constexpr int kSliceMs = 50;
  while (!process.waitForFinished(request.while_waiting ? kSliceMs : request.timeout_ms)) {
    const bool go_on = request.while_waiting && request.while_waiting();
    if (go_on && waited.elapsed() < request.timeout_ms) continue;
    process.kill();
    process.waitForFinished();
    if (go_on || !request.while_waiting) {
      return Status::Error(Fill(Tr("gerbv n'a pas fini de dessiner %1 en %2 s : abandon."),
                                {Quoted(request.gerber_path), FormatFixed(request.timeout_ms / 1000.0, 1)}));
    }
    return Status::Error(Fill(Tr("Dessin de %1 par gerbv arrêté."), {Quoted(request.gerber_path)}));
  }
  const std::string errors = ErrorLines(process);
  const bool unread = errors.find("Could not read") != std::string::npos ||
                      errors.find("Unknown file type") != std::string::npos;
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || unread ||
      !QFileInfo::exists(png)) {
    const std::string gerber = Quoted(request.gerber_path);
    return Status::Error(errors.empty() ? Fill(Tr("gerbv n'a pas pu dessiner %1."), {gerber})
                                        : Fill(Tr("gerbv n'a pas pu dessiner %1 : %2"), {gerber, errors}));
  }
  return Status::Ok();
}

struct PixelBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  bool Empty() const { return right < left; }
  void Add(int x, int y) {
    if (Empty()) {
      left = right = x;
      top = bottom = y;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
};

// Exact black where the picture is dark, white elsewhere; the copper's box.
Bitmap Thresholded(const QImage& image, PixelBox* copper) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap(rgb.width(), rgb.height(), kWhite);
  for (int row = 0; row < rgb.height(); ++row) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
    for (int x = 0; x < rgb.width(); ++x) {
      if (0.299 * qRed(line[x]) + 0.587 * qGreen(line[x]) + 0.114 * qBlue(line[x]) < 128.0) {
        bitmap.Set(x, row, kBlack);
        copper->Add(x, row);
      }
    }
  }
  return bitmap;
}

}  // namespace

bool IsGerberFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(64);
  return LooksLikeGerber(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
}

Status RenderGerber(const GerberRequest& request, GerberPicture* picture) {
  QString program = QString::fromStdString(request.program);
  if (!program.contains('/')) program = QStandardPaths::findExecutable(program);
  if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
    return Status::Error(Fill(Tr("Le programme gerbv, qui dessine les fichiers Gerber, est introuvable (%1) : "
                                 "installez le paquet Debian « gerbv » (sudo apt-get install gerbv)."),
                              {request.program}));
  }
  if (request.dpi < 25 || request.dpi > 10000) {
    return Status::Error(
        Fill(Tr("Résolution %1 dpi hors de 25 à 10000 pour un fichier Gerber."), {std::to_string(request.dpi)}));
  }
  std::string text;
  if (Status s = ReadFileBytes(request.gerber_path, &text, kMaxGerberFileBytes); !s) return s;
  BoardBox box;
  if (Status s = ScanGerberExtent(text, request.gerber_path, &box); !s) return s;
  for (const DrillHole& hole : request.holes) box.Add(hole.x_mm, hole.y_mm, hole.diameter_mm / 2.0);

  QTemporaryDir folder;
  if (!folder.isValid()) return Status::Error(Tr("Impossible de créer un dossier temporaire pour gerbv."));
  const QString png = folder.filePath("couche.png");
  const double pixel_mm = kMillimetresPerInch / request.dpi;
  double grow_mm = kGerberMarginMm + 1.0;
  for (int attempt = 0; attempt < kRenderAttempts; ++attempt, grow_mm = 2.0 * grow_mm + 10.0) {
    Window window = WindowAround(box, grow_mm, request.dpi);
    if (window.width > kMaxImageSide || window.height > kMaxImageSide) {
      return Status::Error(Fill(Tr("Le fichier Gerber %1 donnerait une image de %2 x %3 pixels à %4 dpi : "
                                   "au-delà de %5 pixels de côté ; choisissez une résolution plus faible."),
                                {Quoted(request.gerber_path), std::to_string(window.width),
                                 std::to_string(window.height), std::to_string(request.dpi),
                                 std::to_string(kMaxImageSide)}));
    }
    QFile::remove(png);
    if (Status s = RunGerbv(request, program, window, png); !s) return s;
    QImage image(png, "PNG");
    if (image.isNull() || std::abs(image.width() - window.width) > 1 || std::abs(image.height() - window.height) > 1) {
      return Status::Error(
          Fill(Tr("L'image dessinée par gerbv pour %1 est illisible."), {Quoted(request.gerber_path)}));
    }
    // The picture's lower-left corner is the origin, whatever its size.
    window.width = image.width();
    window.height = image.height();
    PixelBox copper;
    Bitmap full = Thresholded(image, &copper);
    if (copper.Empty()) {
      return Status::Error(Fill(Tr("Le fichier Gerber %1 ne dessine aucun cuivre."), {Quoted(request.gerber_path)}));
    }
    const bool clipped = copper.left == 0 || copper.top == 0 || copper.right == window.width - 1 ||
                         copper.bottom == window.height - 1;
    if (clipped && attempt + 1 < kRenderAttempts) continue;
    if (clipped) {
      return Status::Error(Fill(Tr("Le cuivre de %1 déborde de la fenêtre dessinée même élargie : fichier Gerber "
                                   "inhabituel."),
                                {Quoted(request.gerber_path)}));
    }
    // The frame of the full window; the crop below moves its corner by whole pixels.
    PictureFrame frame{window.left_in * kMillimetresPerInch, window.bottom_in * kMillimetresPerInch, pixel_mm,
                       window.width, window.height, false};
    PixelBox keep = copper;
    for (const DrillHole& hole : request.holes) {
      const PathPixel p = BoardToPath(frame, hole.x_mm, hole.y_mm);
      const int radius = static_cast<int>(std::ceil(hole.diameter_mm / 2.0 / pixel_mm));
      keep.Add(std::clamp(p.x - radius, 0, window.width - 1), std::clamp(window.height - p.y - radius, 0, window.height - 1));
      keep.Add(std::clamp(p.x + radius, 0, window.width - 1), std::clamp(window.height - p.y + radius, 0, window.height - 1));
    }
    const int margin = static_cast<int>(std::ceil(kGerberMarginMm / pixel_mm));
    const int left = std::max(keep.left - margin, 0);
    const int top = std::max(keep.top - margin, 0);
    const int right = std::min(keep.right + margin, window.width - 1);
    const int bottom = std::min(keep.bottom + margin, window.height - 1);
    Bitmap cropped(right - left + 1, bottom - top + 1, kWhite);
    const bool mirror = request.mirror;
    for (int row = top; row <= bottom; ++row) {
      for (int x = left; x <= right; ++x) {
        const int to_x = mirror ? right - x : x - left;
        if (full.At(x, row) == kBlack) cropped.Set(to_x, row - top, kBlack);
      }
    }
    frame.origin_x_mm += left * pixel_mm;
    frame.origin_y_mm += (window.height - 1 - bottom) * pixel_mm;
    frame.width = cropped.Width();
    frame.height = cropped.Height();
    frame.mirrored = mirror;
    picture->bitmap = std::move(cropped);
    picture->frame = frame;
    return Status::Ok();
  }
  return Status::Error(Tr("gerbv : fenêtre introuvable."));  // not reached: the loop returns
}

}  // namespace pistora
