#include "core/settings/machine_parameters.h"

#include <optional>
#include <vector>

#include "core/text/message_translation.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

using F = ParameterForm;

constexpr std::array<MachineParameterLine, kMachineParameterLineCount> kLines = {{
    {"PortIndex", F::Index, "1", "Adresse du port"},
    {"EStopInput", F::Index, "0", "Arrêt d'urgence"},
    {"StepXOutput", F::Index, "0", "Pas X"},
    {"LimitXInput", F::Index, "0", "Butée axe X"},
    {"LimitYInput", F::Index, "0", "Butée axe Y"},
    {"LimitZInput", F::Index, "0", "Butée axe Z"},
    {"ProbeInput", F::Index, "0", "Palpeur Outil"},
    {"DirXOutput", F::Index, "0", "Sens X"},
    {"StepYOutput", F::Index, "0", "Pas Y"},
    {"DirYOutput", F::Index, "0", "Sens Y"},
    {"StepZOutput", F::Index, "0", "Pas Z"},
    {"DirZOutput", F::Index, "0", "Sens Z"},
    {"SpindleOutput", F::Index, "0", "Broche"},
    {"EStopInverted", F::Flag, "FALSE", "Inversé (Arrêt d'urgence)"},
    {"LimitXInverted", F::Flag, "FALSE", "Inversé (Butée axe X)"},
    {"LimitYInverted", F::Flag, "FALSE", "Inversé (Butée axe Y)"},
    {"LimitZInverted", F::Flag, "FALSE", "Inversé (Butée axe Z)"},
    {"ProbeInverted", F::Flag, "FALSE", "Inversé (Palpeur Outil)"},
    {"StepXInverted", F::Flag, "FALSE", "Inversé (Pas X)"},
    {"DirXInverted", F::Flag, "FALSE", "Inversé (Sens X)"},
    {"StepYInverted", F::Flag, "FALSE", "Inversé (Pas Y)"},
    {"DirYInverted", F::Flag, "FALSE", "Inversé (Sens Y)"},
    {"StepZInverted", F::Flag, "FALSE", "Inversé (Pas Z)"},
    {"DirZInverted", F::Flag, "FALSE", "Inversé (Sens Z)"},
    {"SpindleInverted", F::Flag, "FALSE", "Inversé (Broche)"},
    {"StepsPerMmX", F::Number, "133.3333", "Axe X, Pas par mm"},
    {"StepsPerMmY", F::Number, "133.3333", "Axe Y, Pas par mm"},
    {"StepsPerMmZ", F::Number, "133.3333", "Axe Z, Pas par mm"},
    {"MaxFeed", F::Integer, "600", "Avance maximale"},
    {"WorkFeed", F::Integer, "150", "Avance de travail par défaut"},
    {"MinPulseUs", F::Integer, "60", "Durée minimum d'une impulsion de commande"},
    {"SurfaceOffsetX", F::Number, "17.25", "Offset axe X"},
    {"SurfaceOffsetY", F::Number, "12.25", "Offset axe Y"},
    {"SurfaceSizeX", F::Number, "200.5", "Dimenssion X (surfaçage)"},
    {"SurfaceSizeY", F::Number, "150.5", "Dimenssion Y (surfaçage)"},
    {"SurfacePassDepth", F::Number, "0.4", "Profondeur de passe"},
    {"SurfaceStepOver", F::Number, "1", "Encart entre deux passes"},
    {"PlateSizeX", F::Number, "200", "Dimenssion X (plaque)"},
    {"PlateSizeY", F::Number, "150", "Dimenssion Y (plaque)"},
    {"PlateThickness", F::Number, "1.6", "Eppaisseur"},
    {"CopyGap", F::Number, "5", "Ecart entre les copies"},
    {"PlateBorderX", F::Number, "7", "Bord inutilisable axe X"},
    {"PlateBorderY", F::Number, "7", "Bord inutilisable axe Y"},
    {"PlateOriginX", F::Number, "17.25", "Offset origine X"},
    {"PlateOriginY", F::Number, "12.25", "Offset origine Y"},
    {"TickWaitUs", F::Integer, "43", "Durée de la tempo de 50us"},
    {"LimitBackOffMm", F::Integer, "5", "Distance retrait fin de course"},
}};

std::string LinePrefix(int index) {
  return Fill(Tr("cn.dat, ligne %1 (%2)"), {std::to_string(index + 1), Tr(kLines[index].label)});
}

// Converts the texts one line at a time into a scratch copy; the caller's parameters are
// only replaced when every line converted.
class Converter {
 public:
  explicit Converter(const MachineParameterFile& file) : file_(file) {}

  bool Flag(CnLine line) const { return file_.Text(line) == "TRUE"; }

  std::int32_t Integer(CnLine line) {
    if (!error_.empty()) return 0;
    const std::string& text = file_.Text(line);
    std::optional<std::int32_t> value = ParseInt32(text);
    if (!value) Fail(line, Fill(Tr("« %1 » n'est pas un nombre entier."), {text}));
    return value.value_or(0);
  }

  std::uint16_t Port(CnLine line) { return PortBaseForIndex(Integer(line)); }
  std::uint8_t Input(CnLine line) { return InputMaskForIndex(Integer(line)); }
  std::uint8_t Output(CnLine line) { return OutputMaskForIndex(Integer(line)); }

  double Number(CnLine line) {
    if (!error_.empty()) return 0;
    const std::string& text = file_.Text(line);
    std::optional<double> value = ParseDecimal(text, '.');
    if (!value) Fail(line, Fill(Tr("« %1 » n'est pas un nombre décimal écrit avec un point."), {text}));
    return value.value_or(0);
  }

  double Scale(CnLine line) {
    double value = Number(line);
    if (error_.empty() && !(value > 0)) {
      Fail(line, Fill(Tr("le nombre de pas par mm doit être positif (« %1 »)."), {file_.Text(line)}));
    }
    return value;
  }

  // A timing in µs: an integer within 0 .. kMaxTimingUs.
  std::int32_t Timing(CnLine line) {
    const std::int32_t value = Integer(line);
    if (error_.empty() && (value < 0 || value > kMaxTimingUs)) {
      Fail(line, Fill(Tr("« %1 » µs est hors de la plage 0 à %2 µs (une attente plus longue retarderait STOP)."),
                      {file_.Text(line), std::to_string(kMaxTimingUs)}));
    }
    return value;
  }

  // A step or direction output: its index must name a pin of the list, or the shown position
  // would count steps that no pin made.
  std::uint8_t MotorOutput(CnLine line) {
    const std::int32_t index = Integer(line);
    if (error_.empty() && (index < 0 || index > 8)) {
      Fail(line, Fill(Tr("l'indice « %1 » ne désigne aucune sortie de la liste (0 à 8)."), {file_.Text(line)}));
    }
    return OutputMaskForIndex(index);
  }

  // Two outputs on one data pin: an edge of one would move the other.
  void CheckDistinctOutputs(const std::array<std::pair<CnLine, std::uint8_t>, 7>& outputs) {
    for (std::size_t i = 0; i < outputs.size() && error_.empty(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (outputs[i].second == 0 || outputs[i].second != outputs[j].second) continue;
        const int earlier = static_cast<int>(outputs[j].first);
        Fail(outputs[i].first,
             Fill(Tr("la sortie « %1 » sert déjà à « %2 » (ligne %3) ; deux signaux ne peuvent partager une broche."),
                  {file_.Text(outputs[i].first), Tr(kLines[earlier].label), std::to_string(earlier + 1)}));
        break;
      }
    }
  }

  const std::string& error() const { return error_; }

 private:
  void Fail(CnLine line, const std::string& what) {
    error_ = Fill(Tr("%1 : %2"), {LinePrefix(static_cast<int>(line)), what});
  }

  const MachineParameterFile& file_;
  std::string error_;
};

}  // namespace

const std::array<MachineParameterLine, kMachineParameterLineCount>& MachineParameterLines() {
  return kLines;
}

MachineParameterFile::MachineParameterFile() {
  for (int i = 0; i < kMachineParameterLineCount; ++i) Texts[i] = kLines[i].factory;
}

std::uint16_t PortBaseForIndex(std::int32_t index) {
  switch (index) {
    case 1: return 0x378;
    case 2: return 0x278;
    case 3: return 0x3BC;
    default: return 0;
  }
}

std::uint8_t InputMaskForIndex(std::int32_t index) {
  switch (index) {
    case 1: return 0x08;  // Error
    case 2: return 0x10;  // Select
    case 3: return 0x20;  // Paper Out
    case 4: return 0x40;  // ACK
    case 5: return 0x80;  // Busy
    default: return 0;
  }
}

std::uint8_t OutputMaskForIndex(std::int32_t index) {
  // Index n selects data pin D(n-1).
  if (index < 1 || index > 8) return 0;
  return static_cast<std::uint8_t>(1u << (index - 1));
}

Status MachineParametersFromFile(const MachineParameterFile& file, MachineParameters* parameters) {
  Converter c(file);
  MachineParameters p;
  using L = CnLine;
  p.PortBase = c.Port(L::PortIndex);
  p.EStopInput = c.Input(L::EStopInput);
  p.StepXOutput = c.MotorOutput(L::StepXOutput);
  p.LimitXInput = c.Input(L::LimitXInput);
  p.LimitYInput = c.Input(L::LimitYInput);
  p.LimitZInput = c.Input(L::LimitZInput);
  p.ProbeInput = c.Input(L::ProbeInput);
  p.DirXOutput = c.MotorOutput(L::DirXOutput);
  p.StepYOutput = c.MotorOutput(L::StepYOutput);
  p.DirYOutput = c.MotorOutput(L::DirYOutput);
  p.StepZOutput = c.MotorOutput(L::StepZOutput);
  p.DirZOutput = c.MotorOutput(L::DirZOutput);
  p.SpindleOutput = c.Output(L::SpindleOutput);
  p.EStopInverted = c.Flag(L::EStopInverted);
  p.LimitXInverted = c.Flag(L::LimitXInverted);
  p.LimitYInverted = c.Flag(L::LimitYInverted);
  p.LimitZInverted = c.Flag(L::LimitZInverted);
  p.ProbeInverted = c.Flag(L::ProbeInverted);
  p.StepXInverted = c.Flag(L::StepXInverted);
  p.DirXInverted = c.Flag(L::DirXInverted);
  p.StepYInverted = c.Flag(L::StepYInverted);
  p.DirYInverted = c.Flag(L::DirYInverted);
  p.StepZInverted = c.Flag(L::StepZInverted);
  p.DirZInverted = c.Flag(L::DirZInverted);
  p.SpindleInverted = c.Flag(L::SpindleInverted);
  p.StepsPerMmX = c.Scale(L::StepsPerMmX);
  p.StepsPerMmY = c.Scale(L::StepsPerMmY);
  p.StepsPerMmZ = c.Scale(L::StepsPerMmZ);
  p.MaxFeed = c.Integer(L::MaxFeed);
  p.WorkFeed = c.Integer(L::WorkFeed);
  p.MinPulseUs = c.Timing(L::MinPulseUs);
  // Lines 32 to 37 belong to the surfacing page, which reads them itself.
  p.PlateSizeX = c.Number(L::PlateSizeX);
  p.PlateSizeY = c.Number(L::PlateSizeY);
  p.PlateThickness = c.Number(L::PlateThickness);
  p.CopyGap = c.Number(L::CopyGap);
  p.PlateBorderX = c.Number(L::PlateBorderX);
  p.PlateBorderY = c.Number(L::PlateBorderY);
  p.PlateOriginX = c.Number(L::PlateOriginX);
  p.PlateOriginY = c.Number(L::PlateOriginY);
  p.TickWaitUs = c.Timing(L::TickWaitUs);
  p.LimitBackOffMm = c.Integer(L::LimitBackOffMm);
  // In file order, so that the message names the later of the two lines.
  c.CheckDistinctOutputs({{{L::StepXOutput, p.StepXOutput},
                           {L::DirXOutput, p.DirXOutput},
                           {L::StepYOutput, p.StepYOutput},
                           {L::DirYOutput, p.DirYOutput},
                           {L::StepZOutput, p.StepZOutput},
                           {L::DirZOutput, p.DirZOutput},
                           {L::SpindleOutput, p.SpindleOutput}}});
  if (!c.error().empty()) return Status::Error(c.error());
  *parameters = p;
  return Status::Ok();
}

Status ReadMachineParameterFile(const std::string& path, MachineParameterFile* file) {
  std::vector<std::string> lines;
  // 47 short lines; anything much larger is not a parameter file.
  Status status = ReadLatin1Lines(path, &lines, 64 * 1024);
  if (!status) return status;
  if (lines.size() < kMachineParameterLineCount) {
    const int missing = static_cast<int>(lines.size());
    return Status::Error(Fill(Tr("%1 : ligne manquante, le fichier n'a que %2 ligne(s) sur %3."),
                              {LinePrefix(missing), std::to_string(lines.size()),
                               std::to_string(kMachineParameterLineCount)}));
  }
  for (int i = 0; i < kMachineParameterLineCount; ++i) file->Texts[i] = std::move(lines[i]);
  return Status::Ok();
}

Status LoadMachineParameters(const std::string& path, MachineParameters* parameters) {
  MachineParameterFile file;
  Status status = ReadMachineParameterFile(path, &file);
  if (!status) return status;
  return MachineParametersFromFile(file, parameters);
}

Status SaveMachineParameters(const std::string& path, const MachineParameterFile& file) {
  return WriteLatin1LinesAtomically(path,
                                    std::vector<std::string>(file.Texts.begin(), file.Texts.end()));
}

void WireAxesOnLowDataBits(MachineParameters& parameters) {
  parameters.StepXOutput = 0x01;
  parameters.DirXOutput = 0x02;
  parameters.StepYOutput = 0x04;
  parameters.DirYOutput = 0x08;
  parameters.StepZOutput = 0x10;
  parameters.DirZOutput = 0x20;
}

}  // namespace pistora
