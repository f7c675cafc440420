#include "core/settings/parameter_dialog.h"

#include <optional>
#include <string>

#include "core/text/message_translation.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

using K = DialogControlKind;
using LK = DialogListKind;
using L = CnLine;
using C = MachineSettingsControl;

constexpr ParameterDialogControl List(MachineSettingsControl role, CnLine line, DialogListKind list) {
  return {role, line, K::List, list, KeyMode::UnsignedInteger};
}
constexpr ParameterDialogControl Check(MachineSettingsControl role, CnLine line) {
  return {role, line, K::Check, LK::Port, KeyMode::UnsignedInteger};
}
constexpr ParameterDialogControl Edit(MachineSettingsControl role, CnLine line, KeyMode mode) {
  return {role, line, K::Edit, LK::Port, mode};
}

constexpr KeyMode kDigits = KeyMode::UnsignedInteger;
constexpr KeyMode kDecimal = KeyMode::UnsignedDecimal;

constexpr std::array<ParameterDialogControl, kMachineParameterLineCount> kControls = {{
    List(C::kPortList, L::PortIndex, LK::Port),
    List(C::kEmergencyStopList, L::EStopInput, LK::Input),
    List(C::kStepXList, L::StepXOutput, LK::Output),
    List(C::kLimitXList, L::LimitXInput, LK::Input),
    List(C::kLimitYList, L::LimitYInput, LK::Input),
    List(C::kLimitZList, L::LimitZInput, LK::Input),
    List(C::kProbeList, L::ProbeInput, LK::Input),
    List(C::kDirXList, L::DirXOutput, LK::Output),
    List(C::kStepYList, L::StepYOutput, LK::Output),
    List(C::kDirYList, L::DirYOutput, LK::Output),
    List(C::kStepZList, L::StepZOutput, LK::Output),
    List(C::kDirZList, L::DirZOutput, LK::Output),
    List(C::kSpindleList, L::SpindleOutput, LK::Output),
    Check(C::kEmergencyStopInverted, L::EStopInverted),
    Check(C::kLimitXInverted, L::LimitXInverted),
    Check(C::kLimitYInverted, L::LimitYInverted),
    Check(C::kLimitZInverted, L::LimitZInverted),
    Check(C::kProbeInverted, L::ProbeInverted),
    Check(C::kStepXInverted, L::StepXInverted),
    Check(C::kDirXInverted, L::DirXInverted),
    Check(C::kStepYInverted, L::StepYInverted),
    Check(C::kDirYInverted, L::DirYInverted),
    Check(C::kStepZInverted, L::StepZInverted),
    Check(C::kDirZInverted, L::DirZInverted),
    Check(C::kSpindleInverted, L::SpindleInverted),
    Edit(C::kStepsPerMmXEdit, L::StepsPerMmX, kDecimal),
    Edit(C::kStepsPerMmYEdit, L::StepsPerMmY, kDecimal),
    Edit(C::kStepsPerMmZEdit, L::StepsPerMmZ, kDecimal),
    Edit(C::kMaxFeedEdit, L::MaxFeed, kDigits),
    Edit(C::kWorkFeedEdit, L::WorkFeed, kDigits),
    Edit(C::kMinPulseEdit, L::MinPulseUs, kDigits),
    Edit(C::kSurfaceOffsetXEdit, L::SurfaceOffsetX, kDecimal),
    Edit(C::kSurfaceOffsetYEdit, L::SurfaceOffsetY, kDecimal),
    Edit(C::kSurfaceSizeXEdit, L::SurfaceSizeX, kDecimal),
    Edit(C::kSurfaceSizeYEdit, L::SurfaceSizeY, kDecimal),
    Edit(C::kSurfacePassDepthEdit, L::SurfacePassDepth, kDecimal),
    Edit(C::kSurfaceStepOverEdit, L::SurfaceStepOver, kDecimal),
    Edit(C::kPlateSizeXEdit, L::PlateSizeX, kDecimal),
    Edit(C::kPlateSizeYEdit, L::PlateSizeY, kDecimal),
    Edit(C::kPlateThicknessEdit, L::PlateThickness, kDecimal),
    Edit(C::kCopyGapEdit, L::CopyGap, kDecimal),
    Edit(C::kPlateBorderXEdit, L::PlateBorderX, kDecimal),
    Edit(C::kPlateBorderYEdit, L::PlateBorderY, kDecimal),
    Edit(C::kPlateOriginXEdit, L::PlateOriginX, kDecimal),
    Edit(C::kPlateOriginYEdit, L::PlateOriginY, kDecimal),
    Edit(C::kTickWaitEdit, L::TickWaitUs, kDigits),
    Edit(C::kLimitBackOffEdit, L::LimitBackOffMm, kDigits),
}};

// Every control sits at the position of its own line.
constexpr bool InFileOrder() {
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    if (static_cast<int>(kControls[i].line) != i) return false;
  }
  return true;
}
static_assert(InFileOrder(), "the dialog's controls must follow the lines of cn.dat");

// "cn.dat, ligne 3 (Pas X)"
std::string LineName(int position) {
  return Fill(Tr("cn.dat, ligne %1 (%2)"), {std::to_string(position + 1), Tr(MachineParameterLines()[position].label)});
}

// A pasted line break would move every later value onto the wrong line.
std::string WithoutLineBreaks(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

int ItemCount(DialogListKind kind) { return static_cast<int>(DialogListItems(kind).size()); }

}  // namespace

const std::array<ParameterDialogControl, kMachineParameterLineCount>& ParameterDialogControls() {
  return kControls;
}

const ParameterDialogControl* FindParameterDialogControl(MachineSettingsControl role) {
  for (const ParameterDialogControl& control : kControls) {
    if (control.role == role) return &control;
  }
  return nullptr;
}

const std::vector<std::string>& DialogListItems(DialogListKind kind) {
  static const std::vector<std::string> port = {"Port désactivé", "LPT1  378h - 37Fh", "LPT2  278h - 27Fh",
                                                "LPT3  3BCh - 3BFh"};
  static const std::vector<std::string> input = {"Non utilisé",      "b15 = Error", "b13 = Select",
                                                 "b12 = Paper Out", "b10 = ACK",   "b11 = Busy"};
  static const std::vector<std::string> output = {"Non utilisée", "b2 = D0", "b3 = D1", "b4 = D2", "b5 = D3",
                                                  "b6 = D4",      "b7 = D5", "b8 = D6", "b9 = D7"};
  switch (kind) {
    case DialogListKind::Port: return port;
    case DialogListKind::Input: return input;
    case DialogListKind::Output: break;
  }
  return output;
}

ListRgb ListColour(int index) { return index == 0 ? kListUnusedColour : kListUsedColour; }

ParameterDialogValues FactoryDialogValues() {
  ParameterDialogValues values;
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const std::string factory = MachineParameterLines()[i].factory;
    DialogControlValue& value = values[i];
    switch (kControls[i].kind) {
      case K::List: value.index = ParseInt32(factory).value_or(0); break;
      case K::Check: value.checked = factory == "TRUE"; break;
      case K::Edit: value.text = factory; break;
    }
  }
  return values;
}

std::string ParameterDialogLoad::Message() const {
  std::string message;
  if (!status.ok()) message = status.message();
  for (const std::string& note : notes) {
    if (!message.empty()) message += "\n";
    message += note;
  }
  return message;
}

ParameterDialogLoad ApplyParameterLines(const std::vector<std::string>& lines,
                                        ParameterDialogValues* values) {
  ParameterDialogLoad load;
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const ParameterDialogControl& control = kControls[i];
    if (i >= static_cast<int>(lines.size())) {
      load.status = Status::Error(
          Fill(Tr("%1 : ligne manquante, le fichier n'a que %2 ligne(s) sur %3 ; les valeurs suivantes ne "
                  "sont pas lues."),
               {LineName(i), std::to_string(lines.size()), std::to_string(kMachineParameterLineCount)}));
      return load;
    }
    const std::string& line = lines[i];
    DialogControlValue& value = (*values)[i];
    switch (control.kind) {
      case K::List: {
        const std::optional<std::int32_t> index = ParseInt32(line);
        if (!index) {
          load.status = Status::Error(
              Fill(Tr("%1 : « %2 » n'est pas un nombre entier ; les lignes suivantes ne sont pas lues."),
                   {LineName(i), line}));
          return load;
        }
        if (*index < 0 || *index >= ItemCount(control.list)) {
          value.index = kNoSelection;
          load.notes.push_back(Fill(control.list == DialogListKind::Port
                                        ? Tr("%1 : l'indice %2 ne désigne aucune entrée de la liste ; le port est "
                                             "traité comme désactivé.")
                                        : Tr("%1 : l'indice %2 ne désigne aucune entrée de la liste ; le signal est "
                                             "traité comme non câblé."),
                                    {LineName(i), std::to_string(*index)}));
        } else {
          value.index = *index;
        }
        break;
      }
      case K::Check: value.checked = line == "TRUE"; break;
      case K::Edit: value.text = line; break;
    }
    load.lines_read = i + 1;
  }
  return load;
}

ParameterDialogLoad LoadParameterDialogFile(const std::string& path, ParameterDialogValues* values) {
  std::vector<std::string> lines;
  // 47 short lines; anything much larger is not a parameter file.
  Status status = ReadLatin1Lines(path, &lines, 64 * 1024);
  if (!status) {
    ParameterDialogLoad load;
    load.status = Status::Error(status.message() + Tr(" Les valeurs affichées sont conservées."));
    return load;
  }
  ParameterDialogLoad load = ApplyParameterLines(lines, values);
  if (load.status.ok()) {
    // The dialog shows what the file holds, but says when the machine will refuse it.
    MachineParameterFile file;
    for (int i = 0; i < kMachineParameterLineCount; ++i) file.Texts[i] = lines[i];
    MachineParameters scratch;
    if (Status machine = MachineParametersFromFile(file, &scratch); !machine) {
      load.notes.push_back(machine.message() +
                           Tr(" La machine refusera ce fichier et gardera ses réglages tant qu'il n'est pas corrigé."));
    }
  }
  return load;
}

MachineParameterFile DialogValuesToFile(const ParameterDialogValues& values) {
  MachineParameterFile file;
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const DialogControlValue& value = values[i];
    switch (kControls[i].kind) {
      case K::List: file.Texts[i] = std::to_string(value.index); break;
      case K::Check: file.Texts[i] = value.checked ? "TRUE" : "FALSE"; break;
      case K::Edit: file.Texts[i] = WithoutLineBreaks(value.text); break;
    }
  }
  return file;
}

std::vector<std::string> ParameterSaveWarnings(const ParameterDialogValues& values) {
  std::vector<std::string> warnings;
  auto at = [&](CnLine line) -> const DialogControlValue& { return values[static_cast<int>(line)]; };

  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    if (kControls[i].kind == K::Edit && values[i].text.empty()) {
      warnings.push_back(Fill(Tr("%1 : la case est vide."), {LineName(i)}));
    }
  }
  for (CnLine line : {L::StepsPerMmX, L::StepsPerMmY, L::StepsPerMmZ}) {
    const std::string& text = at(line).text;
    if (text.empty()) continue;  // already said
    const std::optional<double> steps = ParseDecimal(text, '.');
    if (!steps || *steps <= 0) {
      warnings.push_back(Fill(Tr("%1 : « %2 » n'est pas un nombre de pas par mm positif ; l'axe ne pourra pas bouger."),
                              {LineName(static_cast<int>(line)), text}));
    }
  }
  for (CnLine line : {L::MaxFeed, L::WorkFeed}) {
    const std::string& text = at(line).text;
    if (text.empty()) continue;
    const std::optional<std::int32_t> feed = ParseInt32(text);
    if (!feed || *feed <= 0) {
      warnings.push_back(Fill(Tr("%1 : « %2 » n'est pas une avance positive ; la machine ne pourra pas se déplacer."),
                              {LineName(static_cast<int>(line)), text}));
    }
  }
  // Two signals driven on one data pin fight each other.
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    if (kControls[i].kind != K::List || kControls[i].list != LK::Output) continue;
    const int pin = values[i].index;
    if (pin <= 0 || pin >= ItemCount(LK::Output)) continue;
    for (int j = i + 1; j < kMachineParameterLineCount; ++j) {
      if (kControls[j].kind != K::List || kControls[j].list != LK::Output || values[j].index != pin) continue;
      warnings.push_back(Fill(Tr("%1 et %2 : les deux signaux sont sur la même sortie « %3 »."),
                              {LineName(i), LineName(j), DialogListItems(LK::Output)[pin]}));
    }
  }
  return warnings;
}

std::string SaveWarningsMessage(const std::vector<std::string>& warnings) {
  if (warnings.empty()) return {};
  std::string message = Tr("Attention, ces paramètres semblent douteux :\n");
  for (const std::string& warning : warnings) message += "- " + warning + "\n";
  message += Fill(Tr("Le fichier %1 est enregistré tel quel."), {kMachineParameterFileName});
  return message;
}

}  // namespace pistora
