#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "core/text/status.h"

namespace pistora {

// cn.dat: the machine's 47 settings, one value per line, no keys; a value's meaning is its
// line number. Latin-1 text, CR LF line ends, kept beside the executable.
inline constexpr const char* kMachineParameterFileName = "cn.dat";
inline constexpr int kMachineParameterLineCount = 47;

// How a line is written and read.
enum class ParameterForm {
  Index,    // item index of a drop-down list, strict integer; unknown items select "not used"
  Flag,     // "TRUE" or "FALSE"; anything but exactly "TRUE" reads as false
  Integer,  // strict 32-bit integer
  Number,   // decimal number with "." as separator
};

// The lines in file order (0-based position = line number - 1).
enum class CnLine : int {
  PortIndex, EStopInput, StepXOutput, LimitXInput, LimitYInput, LimitZInput, ProbeInput,
  DirXOutput, StepYOutput, DirYOutput, StepZOutput, DirZOutput, SpindleOutput,
  EStopInverted, LimitXInverted, LimitYInverted, LimitZInverted, ProbeInverted,
  StepXInverted, DirXInverted, StepYInverted, DirYInverted, StepZInverted, DirZInverted,
  SpindleInverted,
  StepsPerMmX, StepsPerMmY, StepsPerMmZ, MaxFeed, WorkFeed, MinPulseUs,
  SurfaceOffsetX, SurfaceOffsetY, SurfaceSizeX, SurfaceSizeY, SurfacePassDepth, SurfaceStepOver,
  PlateSizeX, PlateSizeY, PlateThickness, CopyGap, PlateBorderX, PlateBorderY,
  PlateOriginX, PlateOriginY, TickWaitUs, LimitBackOffMm,
};

struct MachineParameterLine {
  const char* name;       // field name, e.g. "WorkFeed"
  ParameterForm form;
  const char* factory;    // the text the dialog shows before any file is read
  const char* label;      // the dialog's caption of the control (UTF-8), used in messages
};

// The 47 lines in file order.
const std::array<MachineParameterLine, kMachineParameterLineCount>& MachineParameterLines();

// The 47 texts of cn.dat in file order, exactly as typed in the dialog (UTF-8 in memory).
// A default-constructed file holds the factory values.
struct MachineParameterFile {
  MachineParameterFile();

  std::array<std::string, kMachineParameterLineCount> Texts;

  const std::string& Text(CnLine line) const { return Texts[static_cast<int>(line)]; }
  void SetText(CnLine line, std::string text) { Texts[static_cast<int>(line)] = std::move(text); }

  friend bool operator==(const MachineParameterFile&, const MachineParameterFile&) = default;
};

// Index tables of the three kinds of drop-down lists. Unknown indices give 0 (not wired /
// port disabled).
std::uint16_t PortBaseForIndex(std::int32_t index);    // 0, 0x378, 0x278, 0x3BC
std::uint8_t InputMaskForIndex(std::int32_t index);    // status register: 0, 0x08 ... 0x80
std::uint8_t OutputMaskForIndex(std::int32_t index);   // data register: 0, 0x01 ... 0x80

// The machine window's copy of cn.dat. The defaults are the values the machine runs with
// before any file has been read: port 378h, 133.3333 steps/mm, work feed 150 mm/min (the
// factory text of its line, which the feed slider shows), nothing
// wired, no signal inverted; the remaining values are the factory ones.
// The surfacing values (lines 32 to 37) are not kept: only the surfacing page uses them.
struct MachineParameters {
  std::uint16_t PortBase = 0x378;  // data register; status register at PortBase + 1

  // Status-register masks (0 = not wired).
  std::uint8_t EStopInput = 0;
  std::uint8_t LimitXInput = 0;
  std::uint8_t LimitYInput = 0;
  std::uint8_t LimitZInput = 0;
  std::uint8_t ProbeInput = 0;

  // Data-register masks (0 = not wired).
  std::uint8_t StepXOutput = 0;
  std::uint8_t DirXOutput = 0;
  std::uint8_t StepYOutput = 0;
  std::uint8_t DirYOutput = 0;
  std::uint8_t StepZOutput = 0;
  std::uint8_t DirZOutput = 0;
  std::uint8_t SpindleOutput = 0;

  bool EStopInverted = false;
  bool LimitXInverted = false;
  bool LimitYInverted = false;
  bool LimitZInverted = false;
  bool ProbeInverted = false;
  bool StepXInverted = false;
  bool DirXInverted = false;
  bool StepYInverted = false;
  bool DirYInverted = false;
  bool StepZInverted = false;
  bool DirZInverted = false;
  bool SpindleInverted = false;

  double StepsPerMmX = 133.3333;  // motor steps per mm of travel
  double StepsPerMmY = 133.3333;
  double StepsPerMmZ = 133.3333;

  std::int32_t MaxFeed = 600;        // mm/min, top of the feed slider
  std::int32_t WorkFeed = 150;       // mm/min
  std::int32_t MinPulseUs = 60;      // µs, length of every step pulse
  std::int32_t TickWaitUs = 43;      // µs, the wait standing for one 50 µs motion tick
  std::int32_t LimitBackOffMm = 5;   // mm, back-off after a limit switch

  double PlateSizeX = 200;      // mm
  double PlateSizeY = 150;      // mm
  double PlateThickness = 1.6;  // mm
  double CopyGap = 5;           // mm between repeated copies
  double PlateBorderX = 7;      // mm of unusable border
  double PlateBorderY = 7;
  double PlateOriginX = 17.25;  // mm, offset of the plate origin
  double PlateOriginY = 12.25;

  friend bool operator==(const MachineParameters&, const MachineParameters&) = default;
};

// Timing lines (MinPulseUs, TickWaitUs) are accepted from 0 to this many µs: every wait of a
// move lasts one of them, and STOP can act only between two waits.
inline constexpr std::int32_t kMaxTimingUs = 5000;

// Wires step and direction of X, Y and Z on data bits D0 to D5 (step X on D0, direction X on
// D1, ...), nothing inverted: the wiring of the simulated machine when no cn.dat is given.
void WireAxesOnLowDataBits(MachineParameters& parameters);

// Converts all 47 texts. On the first bad line the status names it (line number, the
// dialog's caption, the text) and `parameters` is left exactly as it was: a machine never
// runs on half-applied wiring. Besides the form of each line, values the machine could not keep
// its promises with are refused: a timing outside 0 .. kMaxTimingUs, a step or direction pin
// index outside its list (0 .. 8), two outputs on one data pin.
Status MachineParametersFromFile(const MachineParameterFile& file, MachineParameters* parameters);

// Reads the 47 texts of cn.dat. A missing or short file is an error naming the first
// missing line; `file` is then untouched. Lines after the 47th are ignored.
Status ReadMachineParameterFile(const std::string& path, MachineParameterFile* file);

// ReadMachineParameterFile + MachineParametersFromFile: `parameters` is replaced as a whole
// or not at all.
Status LoadMachineParameters(const std::string& path, MachineParameters* parameters);

// Writes the 47 texts (Latin-1, CR LF) through a temporary file, so a failed save leaves the
// previous cn.dat as it was.
Status SaveMachineParameters(const std::string& path, const MachineParameterFile& file);

}  // namespace pistora
