#include "first_edition/frm_main.h"

#include "first_edition/frm_b_menu.h"
#include "settings/first_edition_settings.h"

namespace rallix {

FrmMain::FrmMain(FormsRuntime& runtime, frmBMenu& menu)
    : MatchForm(
          runtime, menu,
          MatchOptions{
              // The form sets no colour of its own: beyond the field the
              // window keeps the default face colour.
              .design = {"Rallix", kButtonFace, WindowState::Maximized, 12000, 9000},
              .look = {MatchBackground::Picture, MatchBanners::WinAndLoss, MatchDisplay::Window},
              .pointer = PointerMotion::Free,
          }) {}

MatchSettings FrmMain::ReadSettingsFile() {
  return ReadFirstEditionSettings();
}

bool FrmMain::TakesSettings(const MatchSettings& settings) const {
  return std::holds_alternative<FirstEditionSettings>(settings);
}

}  // namespace rallix
