#include "core/machine/table_setup.h"

#include <memory>
#include <optional>

#include "core/machine/iso_box.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

// The boxes' captions, as the user reads them on the page.
constexpr const char* kBoxNames[kSurfacingBoxCount] = {
    "Offset axe X", "Offset axe Y", "Dimenssion X", "Dimenssion Y", "Profondeur de passe",
    "Encart entre deux passes"};

enum class Moves { kNo, kYes };

constexpr const char* kStepBusyMessage = "La machine est déjà en mouvement : attendez la fin du déplacement.";

Status CheckStepAllowed(const SurfacingPage& page, bool enabled, const SetupMotion& motion,
                        Moves moves = Moves::kYes) {
  if (!enabled) return Status::Error(Tr("Surfaçage : cette étape n'est pas disponible maintenant."));
  if (motion.Busy() || page.StepUnderWay()) return Status::Error(Tr(kStepBusyMessage));
  // With STOP latched every move would end at once and the step would zero the axes wherever the
  // tool happens to stand.
  if (moves == Moves::kYes && motion.StopLatched()) {
    return Status::Error(Tr("STOP est actif : appuyez sur « Raz » avant de continuer."));
  }
  return Status::Ok();
}

// Runs a step's motion as a command of the motion thread, the page's step under way until it
// has returned; then `finish` (on the window thread) moves the page on and gives the outcome.
// Returns the outcome when all ended within the call, Ok while the motion goes on.
Status RunStepMotion(SurfacingPage& page, SetupMotion& motion, std::function<void(Status*)> work,
                     std::function<Status(const Status&)> finish, const StepFinished& on_finished) {
  struct Shared {
    Status motion_status;
    std::optional<Status> outcome;
    bool returned = false;
  };
  auto shared = std::make_shared<Shared>();
  page.SetStepUnderWay(true);
  const bool accepted = motion.Submit([shared, work = std::move(work)] { work(&shared->motion_status); },
                                      [&page, shared, finish = std::move(finish), on_finished] {
                                        page.SetStepUnderWay(false);
                                        Status outcome = finish(shared->motion_status);
                                        if (shared->returned) {
                                          if (on_finished) on_finished(outcome);
                                        } else {
                                          shared->outcome = std::move(outcome);
                                        }
                                      });
  shared->returned = true;
  if (!accepted) {
    page.SetStepUnderWay(false);
    return Status::Error(Tr(kStepBusyMessage));
  }
  return shared->outcome ? *shared->outcome : Status::Ok();
}

}  // namespace

Status ReadSurfacingValues(const SurfacingTexts& texts, SurfacingValues* values) {
  double read[kSurfacingBoxCount] = {};
  for (int box = 0; box < kSurfacingBoxCount; ++box) {
    const std::optional<double> value = ParseDecimal(texts[box], '.');
    if (!value) {
      return Status::Error(Fill(Tr("Surfaçage : la valeur « %1 » (\"%2\") n'est pas un nombre (séparateur "
                                   "décimal « . »)."),
                                {Tr(kBoxNames[box]), texts[box]}));
    }
    read[box] = *value;
  }
  values->offset_x = read[kOffsetX];
  values->offset_y = read[kOffsetY];
  values->pattern = {.size_x = read[kSizeX], .size_y = read[kSizeY],
                     .pass_depth = read[kPassDepth], .step_over = read[kStepOver]};
  return Status::Ok();
}

Status SetTableZero(SurfacingPage& page, SetupMotion& motion, const SurfacingTexts& texts,
                    const StepFinished& on_finished) {
  Status status = CheckStepAllowed(page, page.Controls().table_zero, motion);
  SurfacingValues values;
  if (status) status = ReadSurfacingValues(texts, &values);
  if (!status) return status;
  return RunStepMotion(
      page, motion,
      [&motion, values](Status*) {
        motion.HomeMachine();
        motion.MoveTo(values.offset_x, values.offset_y, 0);
        // Zeroed even when STOP cut the way short: the user sees where the origin went and "Raz"
        // restarts.
        motion.ZeroAxisX();
        motion.ZeroAxisY();
      },
      [&page](const Status&) {
        page.SetTableZero();
        return Status::Ok();
      },
      on_finished);
}

Status ApproachTable(SurfacingPage& page, SetupMotion& motion, std::string_view z_text,
                     char regional_separator, const StepFinished& on_finished) {
  Status status = CheckStepAllowed(page, page.Controls().approach, motion);
  if (!status) return status;
  const std::optional<double> z = ParseTargetField(z_text, regional_separator);
  if (!z) {
    return Status::Error(Fill(Tr("« %1 » n'est pas une valeur de Z valide."), {z_text}));
  }
  return RunStepMotion(
      page, motion, [&motion, z = *z](Status*) { motion.MoveTo(0, 0, z); },
      [](const Status&) { return Status::Ok(); }, on_finished);
}

Status ValidateTableHeight(SurfacingPage& page, SetupMotion& motion, const StepFinished& on_finished) {
  Status status = CheckStepAllowed(page, page.Controls().validate_z, motion, Moves::kNo);
  if (!status) return status;
  // The position is the motion thread's: the zero is set there, between its commands.
  return RunStepMotion(
      page, motion, [&motion](Status*) { motion.ZeroAxisZ(); },
      [&page](const Status&) {
        page.ValidateZ();
        return Status::Ok();
      },
      on_finished);
}

Status StartSurfacing(SurfacingPage& page, SetupMotion& motion, Host& host,
                      const SurfacingTexts& texts, const std::function<void()>& on_started,
                      const StepFinished& on_finished) {
  Status status = CheckStepAllowed(page, page.Controls().start_run, motion);
  if (!status) return status;
  page.StartRun();
  if (on_started) on_started();
  SurfacingValues values;
  status = ReadSurfacingValues(texts, &values);
  if (!status) {
    page.CancelRun();
    return status;
  }
  auto refused = std::make_shared<bool>(false);
  status = RunStepMotion(
      page, motion,
      [&motion, &host, pattern = values.pattern, refused](Status* motion_status) {
        *refused = RunSurfacing(pattern, motion, host, motion_status) == SurfacingOutcome::kRefused;
      },
      [&page, refused](const Status& motion_status) {
        if (*refused) {
          page.CancelRun();
          return motion_status;
        }
        page.FinishRun();
        return Status::Ok();
      },
      on_finished);
  // Refused before it was queued: back to Ready, as for values that are not numbers.
  if (page.State() == SurfacingState::kRunning && !page.StepUnderWay()) page.CancelRun();
  return status;
}

}  // namespace pistora
