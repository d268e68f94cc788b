// The main loop in a web page. A page cannot loop: the browser calls the
// program once per display frame and must get control back each time. The
// forms runtime already works one frame at a time with no nested loops, so
// each call from the browser runs exactly one RunFrame.

#include <emscripten.h>

#include "platform/forms/failure_report.h"
#include "platform/forms/runtime.h"
#include "platform/video/web_page.h"

namespace rallix {
namespace {

// web/page_support.js keeps the working directory in the browser's IndexedDB;
// this writes the files there.
EM_JS(void, SaveFilesInBrowser, (), { Module.rallix.saveFiles(); });
// Tells the page the program is past its start and into its loop.
EM_JS(void, MarkLooping, (), { Module.rallix.looping = true; });

struct PageLoop {
  FormsRuntime* runtime = nullptr;
  // The form on top at the end of the last frame.
  const Form* shownTop = nullptr;
};

void Finish(int status) {
  emscripten_cancel_main_loop();
  SaveFilesInBrowser();
  if (status == 0) {
    // Ended by the player (EXIT, or the last form closed): say so rather than
    // leave the last picture standing as if the game still ran.
    ShowNoticeOnPage("Rallix", "The game has ended. Reload the page to play again.", false);
  }
  // A failure was reported on the page by RunReportingFailures.
}

void OneFrame(void* state) {
  PageLoop& loop = *static_cast<PageLoop*>(state);
  bool running = false;
  const int status = RunReportingFailures(*loop.runtime, [&loop, &running] {
    running = loop.runtime->RunFrame();
    if (running) {
      FollowPageSize();
    }
    return 0;
  });
  if (status != 0 || !running) {
    Finish(status);
    return;
  }
  // Screens write their settings and pictures just before the next screen
  // comes up, and a match deletes its pictures as it starts: a change of
  // screen is when the files are worth saving.
  if (loop.runtime->TopForm() != loop.shownTop) {
    loop.shownTop = loop.runtime->TopForm();
    SaveFilesInBrowser();
  }
}

}  // namespace

int RunProgram(FormsRuntime& runtime, Form& startup) {
  static PageLoop loop;
  loop.runtime = &runtime;
  if (const int status = RunReportingFailures(runtime,
                                              [&runtime, &startup] {
                                                runtime.Start(startup);
                                                return 0;
                                              });
      status != 0) {
    return status;
  }
  loop.shownTop = runtime.TopForm();
  MarkLooping();
  // 0 frames per second: the browser's own display rate (the runtime's pacer
  // keeps the rally at its fixed rate whatever that is). Simulating an
  // endless loop leaves this call's caller, and the runtime and forms it
  // owns, in place for as long as the page lives.
  emscripten_set_main_loop_arg(OneFrame, &loop, 0, 1);
  return 0;  // not reached
}

}  // namespace rallix
