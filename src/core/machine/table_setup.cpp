#include "core/machine/table_setup.h"

#include "core/machine/iso_box.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

// The boxes' captions, as the user reads them on the page.
constexpr const char* kBoxNames[kSurfacingBoxCount] = {
    "Offset axe X", "Offset axe Y", "Dimenssion X", "Dimenssion Y", "Profondeur de passe",
    "Encart entre deux passes"};

enum class Moves { kNo, kYes };

Status CheckStepAllowed(const SurfacingPage& page, bool enabled, const SetupMotion& motion,
                        Moves moves = Moves::kYes) {
  if (!enabled) return Status::Error("Surfaçage : cette étape n'est pas disponible maintenant.");
  if (motion.Busy() || page.StepUnderWay()) {
    return Status::Error("La machine est déjà en mouvement : attendez la fin du déplacement.");
  }
  // With STOP latched every move would end at once and the step would zero the axes wherever the
  // tool happens to stand.
  if (moves == Moves::kYes && motion.StopLatched()) {
    return Status::Error("STOP est actif : appuyez sur « Raz » avant de continuer.");
  }
  return Status::Ok();
}

// Marks the page's step under way for the life of a step's motion.
class StepGuard {
 public:
  explicit StepGuard(SurfacingPage& page) : page_(page) { page_.SetStepUnderWay(true); }
  ~StepGuard() { page_.SetStepUnderWay(false); }
  StepGuard(const StepGuard&) = delete;
  StepGuard& operator=(const StepGuard&) = delete;

 private:
  SurfacingPage& page_;
};

}  // namespace

Status ReadSurfacingValues(const SurfacingTexts& texts, SurfacingValues* values) {
  double read[kSurfacingBoxCount] = {};
  for (int box = 0; box < kSurfacingBoxCount; ++box) {
    const std::optional<double> value = ParseDecimal(texts[box], '.');
    if (!value) {
      return Status::Error(std::string("Surfaçage : la valeur « ") + kBoxNames[box] + " » (\"" +
                           texts[box] + "\") n'est pas un nombre (séparateur décimal « . »).");
    }
    read[box] = *value;
  }
  values->offset_x = read[kOffsetX];
  values->offset_y = read[kOffsetY];
  values->pattern = {.size_x = read[kSizeX], .size_y = read[kSizeY],
                     .pass_depth = read[kPassDepth], .step_over = read[kStepOver]};
  return Status::Ok();
}

Status SetTableZero(SurfacingPage& page, SetupMotion& motion, const SurfacingTexts& texts) {
  Status status = CheckStepAllowed(page, page.Controls().table_zero, motion);
  SurfacingValues values;
  if (status) status = ReadSurfacingValues(texts, &values);
  if (!status) return status;
  StepGuard guard(page);
  motion.HomeMachine();
  motion.MoveTo(values.offset_x, values.offset_y, 0);
  // Zeroed even when STOP cut the way short: the user sees where the origin went and "Raz" restarts.
  motion.ZeroAxisX();
  motion.ZeroAxisY();
  page.SetTableZero();
  return Status::Ok();
}

Status ApproachTable(SurfacingPage& page, SetupMotion& motion, std::string_view z_text,
                     char regional_separator) {
  Status status = CheckStepAllowed(page, page.Controls().approach, motion);
  if (!status) return status;
  const std::optional<double> z = ParseTargetField(z_text, regional_separator);
  if (!z) {
    return Status::Error("« " + std::string(z_text) + " » n'est pas une valeur de Z valide.");
  }
  StepGuard guard(page);
  motion.MoveTo(0, 0, *z);
  return Status::Ok();
}

Status ValidateTableHeight(SurfacingPage& page, SetupMotion& motion) {
  Status status = CheckStepAllowed(page, page.Controls().validate_z, motion, Moves::kNo);
  if (!status) return status;
  motion.ZeroAxisZ();
  page.ValidateZ();
  return Status::Ok();
}

Status StartSurfacing(SurfacingPage& page, SetupMotion& motion, Host& host,
                      const SurfacingTexts& texts, const std::function<void()>& on_started) {
  Status status = CheckStepAllowed(page, page.Controls().start_run, motion);
  if (!status) return status;
  StepGuard guard(page);
  page.StartRun();
  if (on_started) on_started();
  SurfacingValues values;
  status = ReadSurfacingValues(texts, &values);
  if (status && RunSurfacing(values.pattern, motion, host, &status) != SurfacingOutcome::kRefused) {
    page.FinishRun();
    return Status::Ok();
  }
  page.CancelRun();
  return status;
}

}  // namespace pistora
