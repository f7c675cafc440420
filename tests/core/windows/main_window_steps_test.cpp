// The main window's step changes, played as sequences on a model of the controls.
#include "core/windows/main_window_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pistora {
namespace {

using R = MainControl;

ControlStates Play(std::initializer_list<StepEvent> events) {
  ControlStates states;
  for (StepEvent e : events) ApplyStep(e, &states);
  return states;
}

// The control's objectName, for the failure messages.
std::string NameOf(MainControl role) { return std::string(MainWindowControls().ObjectName(role)); }

bool Enabled(const ControlStates& s, MainControl role) {
  const auto it = s.enabled.find(role);
  // A control no step has touched keeps the state it was created with: enabled.
  return it == s.enabled.end() || it->second;
}

const std::vector<MainControl> kGeneration = {
    R::kSaveEngravingFileButton, R::kSimulateEngravingButton, R::kSimulateDrillingButton, R::kEngravingSimulationSpeed,
    R::kDrillingSimulationPause, R::kEngravingProgramButton,  R::kDrillingProgramButton,  R::kSpindleControl};
const std::vector<MainControl> kVerification = {R::kRedrawVerificationButton,
                                                R::kNextPadButton,
                                                R::kNextUsefulTrackButton,
                                                R::kNextUselessButton,
                                                R::kPreviousPadButton,
                                                R::kPreviousUsefulTrackButton,
                                                R::kPreviousUselessButton,
                                                R::kContourNumber,
                                                R::kPadCheck,
                                                R::kUselessCheck,
                                                R::kValidateVerificationButton};
const std::vector<MainControl> kPanels = {R::kSettingsPanel, R::kScalePanel, R::kVerificationPanel,
                                          R::kGenerationPanel};

std::vector<MainControl> VisiblePanels(const ControlStates& s) {
  std::vector<MainControl> shown;
  for (MainControl p : kPanels) {
    if (s.visible.at(p)) shown.push_back(p);
  }
  return shown;
}

std::vector<MainControl> LitLamps(const ControlStates& s) {
  std::vector<MainControl> lit;
  for (const auto& [name, on] : s.lamp) {
    if (on) lit.push_back(name);
  }
  return lit;
}

TEST(MainWindowSteps, NoStepBothSwitchesOnAndOffTheSameControl) {
  for (StepEvent e : {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone,
                      StepEvent::ScaleValidated, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated}) {
    const StepSwitch& s = SwitchFor(e);
    SCOPED_TRACE(static_cast<int>(e));
    for (const auto& [on, off] : {std::pair{&s.enable, &s.disable}, std::pair{&s.lamps_on, &s.lamps_off},
                                  std::pair{&s.show, &s.hide}}) {
      for (MainControl role : *on) {
        EXPECT_EQ(std::count(off->begin(), off->end(), role), 0) << NameOf(role);
      }
    }
  }
}

TEST(MainWindowSteps, EachStepShowsOnePanelAndLightsOneLampForTheNextAction) {
  struct Row {
    const char* name;
    std::initializer_list<StepEvent> events;
    std::vector<MainControl> panels;
    std::vector<MainControl> lamps;
  } rows[] = {
      {"started", {StepEvent::Started}, {R::kSettingsPanel}, {R::kLoadArtworkLamp, R::kLoadEngravingFileLamp}},
      {"artwork loaded", {StepEvent::Started, StepEvent::ArtworkLoaded}, {R::kSettingsPanel}, {R::kProcessLamp}},
      {"processed",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone},
       {R::kScalePanel},
       {R::kValidateScaleLamp}},
      {"scale validated",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated},
       {R::kVerificationPanel},
       {R::kValidateVerificationLamp}},
      {"verification validated",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated,
        StepEvent::VerificationValidated},
       {R::kGenerationPanel},
       {R::kGenerationLamp}},
      {"engraving file loaded from the generation step",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated,
        StepEvent::VerificationValidated, StepEvent::EngravingFileLoaded},
       {R::kVerificationPanel},
       {R::kValidateVerificationLamp}},
      {"artwork loaded again from the scale step",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ArtworkLoaded},
       {R::kSettingsPanel},
       {R::kProcessLamp}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ControlStates s = Play(row.events);
    EXPECT_EQ(VisiblePanels(s), row.panels);
    EXPECT_EQ(LitLamps(s), row.lamps);
  }
}

TEST(MainWindowSteps, JobSettingsAreTypeableFromTheStartAndTheSpindleBoxWaitsForGeneration) {
  const ControlStates started = Play({StepEvent::Started});
  for (MainControl box :
       {R::kEngravingDepth, R::kRetractDistance, R::kDrillingDepth, R::kEngravingFeed, R::kDrillingFeed}) {
    EXPECT_TRUE(Enabled(started, box)) << NameOf(box);
  }
  EXPECT_FALSE(Enabled(started, R::kSpindleControl));
  const ControlStates generation = Play({StepEvent::Started, StepEvent::EngravingFileLoaded,
                                         StepEvent::VerificationValidated});
  EXPECT_TRUE(Enabled(generation, R::kSpindleControl));
  // No step ever disables a typed job setting.
  for (MainControl box :
       {R::kEngravingDepth, R::kRetractDistance, R::kDrillingDepth, R::kEngravingFeed, R::kDrillingFeed}) {
    for (StepEvent e : {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone,
                        StepEvent::ScaleValidated, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated}) {
      const auto& off = SwitchFor(e).disable;
      EXPECT_EQ(std::count(off.begin(), off.end(), box), 0) << NameOf(box);
    }
  }
}

TEST(MainWindowSteps, CommandsOfEachStepAreOnlyEnabledInThatStep) {
  const ControlStates verification = Play({StepEvent::Started, StepEvent::EngravingFileLoaded});
  for (MainControl c : kVerification) EXPECT_TRUE(Enabled(verification, c)) << NameOf(c);
  for (MainControl c : kGeneration) EXPECT_FALSE(Enabled(verification, c)) << NameOf(c);
  EXPECT_FALSE(Enabled(verification, R::kProcessButton));  // nothing to process without the artwork

  const ControlStates generation =
      Play({StepEvent::Started, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated});
  for (MainControl c : kVerification) EXPECT_FALSE(Enabled(generation, c)) << NameOf(c);
  for (MainControl c : kGeneration) EXPECT_TRUE(Enabled(generation, c)) << NameOf(c);

  // A new artwork from the generation step takes every later command away again.
  const ControlStates reloaded = Play({StepEvent::Started, StepEvent::EngravingFileLoaded,
                                       StepEvent::VerificationValidated, StepEvent::ArtworkLoaded});
  for (MainControl c : kVerification) EXPECT_FALSE(Enabled(reloaded, c)) << NameOf(c);
  for (MainControl c : kGeneration) EXPECT_FALSE(Enabled(reloaded, c)) << NameOf(c);
  EXPECT_TRUE(Enabled(reloaded, R::kProcessButton));
  EXPECT_FALSE(Enabled(reloaded, R::kRealDistance));
  EXPECT_FALSE(Enabled(reloaded, R::kValidateScaleButton));

  // Processing ends with the stop and processing buttons off and the scale inputs on.
  const ControlStates processed = Play({StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone});
  EXPECT_FALSE(Enabled(processed, R::kProcessButton));
  EXPECT_FALSE(Enabled(processed, R::kStopButton));
  EXPECT_TRUE(Enabled(processed, R::kRealDistance));
  EXPECT_TRUE(Enabled(processed, R::kValidateScaleButton));
}

TEST(MainWindowSteps, EveryControlTheStepsSwitchIsInTheWindowsTableOnce) {
  const std::vector<MainControl> roles = AllStepControls();
  EXPECT_TRUE(std::is_sorted(roles.begin(), roles.end()));
  EXPECT_EQ(std::set<MainControl>(roles.begin(), roles.end()).size(), roles.size());
  for (MainControl role : roles) {
    // A role without a row would be skipped by the window without a word.
    EXPECT_FALSE(NameOf(role).empty()) << static_cast<int>(role);
    EXPECT_NE(role, R::kWindow);
  }
  for (MainControl expected :
       {R::kProcessButton, R::kGenerationLamp, R::kGenerationPanel, R::kPreviousUselessButton, R::kSpindleControl}) {
    EXPECT_TRUE(std::binary_search(roles.begin(), roles.end(), expected)) << NameOf(expected);
  }
}

}  // namespace
}  // namespace pistora
