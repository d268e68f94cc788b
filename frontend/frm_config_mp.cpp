#include "frontend/frm_config_mp.h"

#include <string>
#include <utility>

#include "art/artwork.h"
#include "frontend/joystick_listing.h"
#include "frontend/match_setup.h"
#include "frontend/settings_screen_style.h"
#include "settings/device_names.h"
#include "settings/full_game_settings.h"

namespace rallix {
namespace {

constexpr SurfaceRect kFrame1 = Twips(1733, 2040, 4095, 1815);
constexpr SurfaceRect kFrame2 = Twips(6173, 2040, 4095, 1815);
constexpr SurfaceRect kFrame3 = Twips(6720, 4320, 3375, 3255);

// Keeps two players off the same entry: the one who chose last keeps it, the
// other moves to the mouse (when the newcomer took the keyboard) or else to
// the keyboard. Moving the other list runs its own click handling.
void KeepApart(const ListBox& chosen, ListBox& other, std::string& otherDevice) {
  if (chosen.ListIndex() != other.ListIndex()) {
    return;
  }
  if (chosen.ListIndex() == FrmConfigMP::kKeyboardEntry) {
    otherDevice = kMouseDevice;
    other.SetListIndex(FrmConfigMP::kMouseEntry);
  } else {
    otherDevice = kKeyboardDevice;
    other.SetListIndex(FrmConfigMP::kKeyboardEntry);
  }
}

std::string DeviceOf(const ListBox& list) {
  switch (list.ListIndex()) {
    case FrmConfigMP::kKeyboardEntry:
      return kKeyboardDevice;
    case FrmConfigMP::kMouseEntry:
      return kMouseDevice;
    default:
      return list.Text();
  }
}

}  // namespace

FrmConfigMPDesign::FrmConfigMPDesign(ControlList& controls)
    : list(controls),
      Label1(list, "Label1", Twips(1913, 600, 8175, 855),
             RedCaption("MultiPlayer - You vs Someone", 27.75)),
      Frame1(list, "Frame1", kFrame1, RedFrame("Player 1 Input", 12)),
      Label2(list, "Label2", InFrame(kFrame1, 240, 720, 975, 375), RedCaption("Device:", 9.75)),
      List1(list, "List1", InFrame(kFrame1, 1560, 480, 2055, 1035), kListFont),
      Frame2(list, "Frame2", kFrame2, RedFrame("Player 2 Input", 12)),
      Label3(list, "Label3", InFrame(kFrame2, 240, 720, 975, 375), RedCaption("Device:", 9.75)),
      List2(list, "List2", InFrame(kFrame2, 1560, 480, 2055, 1035), kListFont),
      Label10(list, "Label10", Twips(2040, 4320, 1455, 375), RedCaption("Ball Speed:", 12)),
      Combo1(list, "Combo1", Twips(3600, 4320, 1335, 315), kListFont),
      Frame3(list, "Frame3", kFrame3, RedFrame("Currents Balls", 18)),
      balls(list, kFrame3),
      Command1(list, "Command1", Twips(2160, 5280, 3375, 1335), RedButton("START GAME", 18)),
      Command2(list, "Command2", Twips(2160, 6840, 3375, 1335), RedButton("CANCEL", 18)),
      // Says why START GAME waits, when a player has not chosen a device.
      Notice(list, "Notice", Twips(1733, 8280, 8535, 495), RedCaption("", 12)),
      objs0(list, "objs(0)", SurfaceRect{}, Carried(art::LightPaddle())),
      objs1(list, "objs(1)", SurfaceRect{}, Carried(art::DarkPaddle())),
      objs2(list, "objs(2)", SurfaceRect{}, Carried(art::BlackSquare())) {
  for (const char* item : {"3", "4", "5", "6", "7", "Random"}) {
    Combo1.AddItem(item);
  }
}

FrmConfigMP::FrmConfigMP(FormsRuntime& runtime)
    : DesignedForm(runtime, FormDesign{"", kBlack, WindowState::Maximized, 12000, 9000}) {}

void FrmConfigMP::Connect(Form& menu, Form& match) {
  FrmMenu_ = &menu;
  FrmMP_ = &match;
}

void FrmConfigMP::CreateControls() {
  Design& d = BuildDesign();
  d.List1.onClick = [this] { List1_Click(); };
  d.List2.onClick = [this] { List2_Click(); };
  d.balls.OnClick([this](int index) { ImgBall_Click(index); });
  d.Command1.onClick = [this] { Command1_Click(); };
  d.Command2.onClick = [this] { Command2_Click(); };
  SetTabOrder({&d.List1, &d.List2, &d.Command1, &d.Command2, &d.Combo1});
}

void FrmConfigMP::Form_Load() {
  Design& d = *design_;
  if (!Detector) {
    Detector.emplace();
  }
  Detector->InitNormal(hWnd());
  d.List1.AddItem(kKeyboardDevice);
  d.List2.AddItem(kKeyboardDevice);
  d.List1.AddItem(kMouseDevice);
  d.List2.AddItem(kMouseDevice);
  const int count = ReadJoystickList(*Detector, JoyNames, JoyGuids, JoyType);
  for (int i = 1; i <= count; ++i) {
    d.List1.AddItem(JoyNames[i]);
    d.List2.AddItem(JoyNames[i]);
  }
  // Back after a match, each list shows the device its player will use.
  const int kept1 = EntryOfKept(d.List1, Player1Device, Player1Guid);
  const int kept2 = EntryOfKept(d.List2, Player2Device, Player2Guid);
  if (kept1 >= 0 && kept1 != kept2) {
    d.List1.SetListIndex(kept1);
  }
  if (kept2 >= 0 && kept1 != kept2) {
    d.List2.SetListIndex(kept2);
  }
}

int FrmConfigMP::EntryOfKept(const ListBox& list, const std::string& device,
                             const std::string& guid) const {
  if (NamesJoystick(device) && !guid.empty()) {
    for (std::size_t k = 1; k < JoyGuids.size(); ++k) {
      if (JoyGuids[k] == guid) {
        return static_cast<int>(k) + kMouseEntry;
      }
    }
  }
  for (int i = 0; i < list.ListCount(); ++i) {
    if (!device.empty() && list.List(i) == device) {
      return i;
    }
  }
  return -1;
}

std::string FrmConfigMP::GuidOfEntry(int entry) const {
  // A joystick entry (2 and up) is joystick entry - 1.
  return entry > kMouseEntry ? JoyGuids.at(static_cast<std::size_t>(entry - kMouseEntry)) : "";
}

void FrmConfigMP::List1_Click() {
  Design& d = *design_;
  KeepApart(d.List1, d.List2, Player2Device);
  Player1Device = DeviceOf(d.List1);
  d.Notice.caption.clear();
}

void FrmConfigMP::List2_Click() {
  Design& d = *design_;
  KeepApart(d.List2, d.List1, Player1Device);
  Player2Device = DeviceOf(d.List2);
  d.Notice.caption.clear();
}

void FrmConfigMP::ImgBall_Click(int Index) {
  design_->balls.Mark(Index);
  SelectedBall = Index + 1;
}

int FrmConfigMP::EntryFor(const ListBox& list, const std::string& device) const {
  if (list.ListIndex() >= 0) {
    return list.ListIndex();
  }
  for (int i = 0; i < list.ListCount(); ++i) {
    if (!device.empty() && list.List(i) == device) {
      return i;
    }
  }
  return -1;
}

void FrmConfigMP::Command1_Click() {
  Design& d = *design_;
  // A player with no device, or one whose device from an earlier visit is
  // no longer attached, would start a match that cannot read its settings.
  const int entry1 = EntryFor(d.List1, Player1Device);
  const int entry2 = EntryFor(d.List2, Player2Device);
  if (entry1 < 0 || entry2 < 0) {
    d.Notice.caption =
        entry1 < 0 ? "Player 1: choose a device first." : "Player 2: choose a device first.";
    return;
  }
  if (entry1 == entry2) {
    d.Notice.caption = "Player 2: choose a device of your own.";
    return;
  }

  const std::string guid1 = GuidOfEntry(entry1);
  const std::string guid2 = GuidOfEntry(entry2);
  // A pad unplugged since the screen listed it would stop the match.
  for (const auto& [player, guid] : {std::pair{"Player 1", guid1}, std::pair{"Player 2", guid2}}) {
    if (!guid.empty() && !StillAttached(*Detector, hWnd(), guid)) {
      d.Notice.caption = std::string(player) + ": that joystick is no longer attached.";
      return;
    }
  }

  BallSpeed = ChooseBallSpeed(d.Combo1.Text(), runtime_.Random());
  TwoPlayerSettings settings;
  settings.BallSpeed = BallSpeed;
  settings.Player1Device = Player1Device;
  settings.Player2Device = Player2Device;
  settings.Player1JoystickGuid = guid1;
  settings.Player2JoystickGuid = guid2;
  WriteTwoPlayerSettings(settings);
  Player1Guid = guid1;
  Player2Guid = guid2;

  WriteMatchPictures(PicturesForMatch{&d.balls.BallFor(SelectedBall), d.objs0.picture,
                                      d.objs1.picture, d.objs2.picture, nullptr, nullptr});
  Unload();
  FrmMP_->Show(ShowMode::Modal);
}

void FrmConfigMP::Command2_Click() {
  Unload();
  FrmMenu_->Show(ShowMode::Modal);
}

}  // namespace rallix
