// The main window's step changes, played as sequences on a model of the controls.
#include "core/windows/main_window_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pistora {
namespace {

ControlStates Play(std::initializer_list<StepEvent> events) {
  ControlStates states;
  for (StepEvent e : events) ApplyStep(e, &states);
  return states;
}

bool Enabled(const ControlStates& s, const std::string& name) {
  const auto it = s.enabled.find(name);
  // A control no step has touched keeps the state it was created with: enabled.
  return it == s.enabled.end() || it->second;
}

const std::vector<std::string> kGeneration = {"BitBtn10", "BitBtn5", "BitBtn4", "SpinEdit5",
                                              "SpinEdit6", "BitBtn6", "BitBtn7", "CheckBox3"};
const std::vector<std::string> kVerification = {"Button3", "Button6",  "Button7",   "Button8",   "Button9",
                                                "Button10", "Button11", "SpinEdit1", "CheckBox1", "CheckBox2",
                                                "BitBtn9"};
const std::vector<std::string> kPanels = {"GroupBox4", "GroupBox5", "GroupBox3", "GroupBox6"};

std::vector<std::string> VisiblePanels(const ControlStates& s) {
  std::vector<std::string> shown;
  for (const std::string& p : kPanels) {
    if (s.visible.at(p)) shown.push_back(p);
  }
  return shown;
}

std::vector<std::string> LitLamps(const ControlStates& s) {
  std::vector<std::string> lit;
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
      for (std::string_view name : *on) {
        EXPECT_EQ(std::count(off->begin(), off->end(), name), 0) << name;
      }
    }
  }
}

TEST(MainWindowSteps, EachStepShowsOnePanelAndLightsOneLampForTheNextAction) {
  struct Row {
    const char* name;
    std::initializer_list<StepEvent> events;
    std::vector<std::string> panels;
    std::vector<std::string> lamps;
  } rows[] = {
      {"started", {StepEvent::Started}, {"GroupBox4"}, {"cyAdvLed2", "cyAdvLed6"}},
      {"artwork loaded", {StepEvent::Started, StepEvent::ArtworkLoaded}, {"GroupBox4"}, {"cyAdvLed4"}},
      {"processed",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone},
       {"GroupBox5"},
       {"cyAdvLed8"}},
      {"scale validated",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated},
       {"GroupBox3"},
       {"cyAdvLed7"}},
      {"verification validated",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated,
        StepEvent::VerificationValidated},
       {"GroupBox6"},
       {"cyAdvLed5"}},
      {"engraving file loaded from the generation step",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ScaleValidated,
        StepEvent::VerificationValidated, StepEvent::EngravingFileLoaded},
       {"GroupBox3"},
       {"cyAdvLed7"}},
      {"artwork loaded again from the scale step",
       {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone, StepEvent::ArtworkLoaded},
       {"GroupBox4"},
       {"cyAdvLed4"}},
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
  for (const char* box : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}) {
    EXPECT_TRUE(Enabled(started, box)) << box;
  }
  EXPECT_FALSE(Enabled(started, "CheckBox3"));
  const ControlStates generation = Play({StepEvent::Started, StepEvent::EngravingFileLoaded,
                                         StepEvent::VerificationValidated});
  EXPECT_TRUE(Enabled(generation, "CheckBox3"));
  // No step ever disables a typed job setting.
  for (const char* box : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}) {
    for (StepEvent e : {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone,
                        StepEvent::ScaleValidated, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated}) {
      const auto& off = SwitchFor(e).disable;
      EXPECT_EQ(std::count(off.begin(), off.end(), box), 0) << box;
    }
  }
}

TEST(MainWindowSteps, CommandsOfEachStepAreOnlyEnabledInThatStep) {
  const ControlStates verification = Play({StepEvent::Started, StepEvent::EngravingFileLoaded});
  for (const std::string& c : kVerification) EXPECT_TRUE(Enabled(verification, c)) << c;
  for (const std::string& c : kGeneration) EXPECT_FALSE(Enabled(verification, c)) << c;
  EXPECT_FALSE(Enabled(verification, "BitBtn2"));  // nothing to process without the artwork

  const ControlStates generation =
      Play({StepEvent::Started, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated});
  for (const std::string& c : kVerification) EXPECT_FALSE(Enabled(generation, c)) << c;
  for (const std::string& c : kGeneration) EXPECT_TRUE(Enabled(generation, c)) << c;

  // A new artwork from the generation step takes every later command away again.
  const ControlStates reloaded = Play({StepEvent::Started, StepEvent::EngravingFileLoaded,
                                       StepEvent::VerificationValidated, StepEvent::ArtworkLoaded});
  for (const std::string& c : kVerification) EXPECT_FALSE(Enabled(reloaded, c)) << c;
  for (const std::string& c : kGeneration) EXPECT_FALSE(Enabled(reloaded, c)) << c;
  EXPECT_TRUE(Enabled(reloaded, "BitBtn2"));
  EXPECT_FALSE(Enabled(reloaded, "Edit3"));
  EXPECT_FALSE(Enabled(reloaded, "BitBtn8"));

  // Processing ends with the stop and processing buttons off and the scale inputs on.
  const ControlStates processed = Play({StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone});
  EXPECT_FALSE(Enabled(processed, "BitBtn2"));
  EXPECT_FALSE(Enabled(processed, "BitBtn3"));
  EXPECT_TRUE(Enabled(processed, "Edit3"));
  EXPECT_TRUE(Enabled(processed, "BitBtn8"));
}

TEST(MainWindowSteps, AllNamesAreListedOnce) {
  const std::vector<std::string_view> names = AllStepControlNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size());
  for (const char* expected : {"BitBtn2", "cyAdvLed5", "GroupBox6", "Button11", "CheckBox3"}) {
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string_view(expected))) << expected;
  }
}

}  // namespace
}  // namespace pistora
