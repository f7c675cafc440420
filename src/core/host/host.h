#pragma once

namespace pistora {

// The two scrolled views of the main window.
enum class View { Artwork, Engraving };

// What a long core loop asks of whoever runs it. The window implements it with the
// event loop; the command line and the tests use NullHost or a scripted host.
//
// Every loop that lets pending window events run calls PumpEvents() once per row,
// pixel, tick or line and then polls its stop flag, which lives in core state.
class Host {
 public:
  virtual ~Host() = default;

  // Lets pending window events run (the STOP buttons act from inside it).
  virtual void PumpEvents() = 0;

  // Copies the working bitmap onto its view and repaints it.
  virtual void RefreshView(View /*view*/) {}

  // Progress of a long run: value out of maximum (the main window's gauge).
  virtual void ShowProgress(long /*value*/, long /*maximum*/) {}
};

// A host that does nothing: headless runs.
class NullHost final : public Host {
 public:
  void PumpEvents() override {}
};

}  // namespace pistora
