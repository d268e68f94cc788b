#include "frontend/frm_net.h"

#include <algorithm>
#include <utility>

#include "art/catalogue.h"
#include "frontend/joystick_listing.h"
#include "frontend/settings_screen_style.h"
#include "net/local_addresses.h"
#include "net/machine_name.h"
#include "net/net_error.h"
#include "settings/device_names.h"

namespace rallix {
namespace {

// The version the programs print: the other game must run the same one.
constexpr const char* kGameVersion = RALLIX_GAME_VERSION;

constexpr SurfaceRect kFrame1 = Twips(1733, 2880, 4095, 1815);
constexpr SurfaceRect kFrame3 = Twips(6720, 2880, 3375, 3255);

std::string Listed(const net::FoundHost& host) {
  return host.playerName + "  (" + host.address + ":" + std::to_string(host.port) + ")";
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string all;
  for (const std::string& text : texts) {
    all += (all.empty() ? "" : ", ") + text;
  }
  return all;
}

}  // namespace

FrmNetDesign::FrmNetDesign(ControlList& controls)
    : list(controls),
      Label1(list, "Label1", Twips(1913, 360, 8175, 855),
             RedCaption("MultiPlayer - Internet or LAN", 27.75)),
      Command3(list, "Command3", Twips(1733, 1320, 4095, 615), RedButton("Host a match", 15.75)),
      Command4(list, "Command4", Twips(6173, 1320, 4095, 615), RedButton("Join a match", 15.75)),
      Status(list, "Status", Twips(1733, 2040, 8535, 375), RedCaption("", 12)),
      Detail(list, "Detail", Twips(1733, 2400, 8535, 375), RedCaption("", 9.75)),
      Frame1(list, "Frame1", kFrame1, RedFrame("Your Input", 12)),
      Label2(list, "Label2", InFrame(kFrame1, 240, 720, 975, 375), RedCaption("Device:", 9.75)),
      List1(list, "List1", InFrame(kFrame1, 1560, 480, 2055, 1035), kListFont),
      Label10(list, "Label10", Twips(2040, 4920, 1455, 375), RedCaption("Ball Speed:", 12)),
      Combo1(list, "Combo1", Twips(3600, 4920, 1335, 315), kListFont),
      Frame3(list, "Frame3", kFrame3, RedFrame("Currents Balls", 18)),
      balls(list, kFrame3),
      Label3(list, "Label3", Twips(6173, 2880, 4095, 375), RedCaption("Matches found:", 12)),
      List2(list, "List2", Twips(6173, 3300, 4095, 1335), kListFont),
      Label4(list, "Label4", Twips(6173, 4800, 1095, 375), RedCaption("Address:", 12)),
      Text1(list, "Text1", Twips(7320, 4800, 2950, 375), kListFont),
      Command5(list, "Command5", Twips(7320, 5340, 2950, 615), RedButton("JOIN", 15.75)),
      Command1(list, "Command1", Twips(2160, 5640, 3375, 1095), RedButton("START GAME", 18)),
      Command2(list, "Command2", Twips(2160, 6960, 3375, 1095), RedButton("CANCEL", 18)),
      Notice(list, "Notice", Twips(1733, 8280, 8535, 495), RedCaption("", 12)),
      Timer1(list, "Timer1", FrmNet::kPollMs) {
  for (int speed = net::kSlowestBallSpeed; speed <= net::kFastestBallSpeed; ++speed) {
    Combo1.AddItem(std::to_string(speed));
  }
  Text1.MaxLength = FrmNet::kAddressMaxLength;
}

FrmNet::FrmNet(FormsRuntime& runtime)
    : DesignedForm(runtime, FormDesign{"Rallix", kBlack, WindowState::Maximized, 12000, 9000}) {}

void FrmNet::Connect(Form& menu, net::FrmNetMatch& match) {
  FrmMenu_ = &menu;
  FrmNetMatch_ = &match;
}

void FrmNet::CreateControls() {
  Design& d = BuildDesign();
  d.Command1.onClick = [this] { Command1_Click(); };
  d.Command2.onClick = [this] { Command2_Click(); };
  d.Command3.onClick = [this] { Command3_Click(); };
  d.Command4.onClick = [this] { Command4_Click(); };
  d.Command5.onClick = [this] { Command5_Click(); };
  d.Text1.onEnter = [this] { Command5_Click(); };
  d.Text1.onChange = [this] { Address = design_->Text1.Text(); };
  d.List1.onClick = [this] { List1_Click(); };
  d.List2.onClick = [this] { List2_Click(); };
  d.Combo1.onClick = [this] { Combo1_Click(); };
  d.balls.OnClick([this](int index) { ImgBall_Click(index); });
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
  SetTabOrder({&d.Command3, &d.Command4, &d.List1, &d.Combo1, &d.Text1, &d.Command5, &d.Command1,
               &d.Command2});
}

void FrmNet::Form_Load() {
  Design& d = *design_;
  if (!Detector) {
    Detector.emplace();
  }
  Detector->InitNormal(hWnd());
  d.List1.AddItem(kKeyboardDevice);
  d.List1.AddItem(kMouseDevice);
  const int count = ReadJoystickList(*Detector, JoyNames, JoyGuids, JoyType);
  int kept = kKeyboardEntry;
  for (int i = 1; i <= count; ++i) {
    d.List1.AddItem(JoyNames[i]);
    if (!PlayerGuid.empty() && JoyGuids[i] == PlayerGuid) {
      kept = kMouseEntry + i;
    }
  }
  if (PlayerDevice == kMouseDevice) {
    kept = kMouseEntry;
  }
  d.List1.SetListIndex(kept);
  d.Combo1.SetListIndex(std::clamp<int>(BallSpeed, net::kSlowestBallSpeed, net::kFastestBallSpeed) -
                        net::kSlowestBallSpeed);
  d.balls.Mark(SelectedBall > 0 ? SelectedBall - 1 : 0);
  d.Text1.SetText(Address);
  for (const net::FoundHost& host : hosts_.Found()) {
    d.List2.AddItem(Listed(host));
  }
  // Back from a match: the link is still here; say why the match stopped early.
  if (matchPlayed_) {
    matchPlayed_ = false;
    if (const auto stop = FrmNetMatch_->StoppedBy()) {
      notice_ = *stop == net::MatchStop::PartnerLeft
                    ? net::kPartnerLeftText
                    : "The two games no longer agree; the match was stopped";
      if (*stop == net::MatchStop::PartnerLeft && lobby_) {
        lobby_->PartnerLeft();
        DropClosedLobby();
      }
    }
  }
  ShowMode();
  ShowState();
  TakeLaunch();
}

void FrmNet::TakeLaunch() {
  if (!launch_) {
    return;
  }
  const NetworkLaunch launch = std::move(*launch_);
  launch_.reset();
  if (launch.host) {
    Port = launch.port;
    Command3_Click();
    startWhenJoined_ = lobby_ != nullptr;
  } else {
    design_->Text1.SetText(launch.address);
    Address = launch.address;
    Command4_Click();
    Command5_Click();
  }
}

SteeringDevice FrmNet::OwnDevice() const {
  return SteeringDeviceNamed(PlayerDevice.empty() ? kKeyboardDevice : PlayerDevice);
}

void FrmNet::Leave() {
  lobby_.reset();  // says Cancel to a partner still here, and closes the link
  notice_.clear();
}

void FrmNet::Command3_Click() {
  if (mode_ == Mode::Hosting && lobby_) {
    return;
  }
  Leave();
  mode_ = Mode::Hosting;
  try {
    auto host = std::make_unique<net::NetHost>(Port, net::MachineName());
    hostPort_ = host->Port();
    lobby_ = std::make_unique<net::NetLobby>(std::move(host), Side::Host, kGameVersion,
                                             net::MachineName());
    hostAddresses_ = net::LocalIpv4Addresses();
    SendChoices();
  } catch (const net::NetError& error) {
    notice_ = error.what();
  }
  ShowMode();
  ShowState();
}

void FrmNet::Command4_Click() {
  if (mode_ == Mode::Joining) {
    return;
  }
  Leave();
  mode_ = Mode::Joining;
  hosts_.SearchSoon();
  ShowMode();
  ShowState();
}

void FrmNet::Command5_Click() {
  if (mode_ != Mode::Joining || lobby_) {
    return;
  }
  notice_.clear();
  try {
    lobby_ = std::make_unique<net::NetLobby>(std::make_unique<net::NetGuest>(Address), Side::Guest,
                                             kGameVersion, net::MachineName());
    SendChoices();
  } catch (const net::NetError& error) {
    notice_ = error.what();
  }
  ShowState();
}

void FrmNet::Command1_Click() {
  if (!lobby_ || lobby_->GetSide() != Side::Host || !lobby_->Agreed()) {
    return;
  }
  if (NamesJoystick(PlayerDevice) && !StillAttached(*Detector, hWnd(), PlayerGuid)) {
    notice_ = "That joystick is no longer attached.";
    ShowState();
    return;
  }
  const std::uint32_t startPass = FrmNetMatch_->NextFirstWirePass();
  if (lobby_->StartMatch(startPass)) {
    BeginMatch(startPass);
  }
}

void FrmNet::Command2_Click() {
  Leave();
  mode_ = Mode::Choosing;
  Unload();
  FrmMenu_->Show(ShowMode::Modal);
}

void FrmNet::List1_Click() {
  Design& d = *design_;
  const int entry = d.List1.ListIndex();
  PlayerDevice = entry == kKeyboardEntry ? kKeyboardDevice
                 : entry == kMouseEntry  ? kMouseDevice
                                         : d.List1.Text();
  PlayerGuid =
      entry > kMouseEntry ? JoyGuids.at(static_cast<std::size_t>(entry - kMouseEntry)) : "";
  SendChoices();
}

void FrmNet::List2_Click() {
  const int entry = design_->List2.ListIndex();
  if (entry >= 0 && entry < static_cast<int>(hosts_.Found().size())) {
    const net::FoundHost& host = hosts_.Found()[static_cast<std::size_t>(entry)];
    design_->Text1.SetText(host.address + ":" + std::to_string(host.port));
  }
}

void FrmNet::Combo1_Click() {
  BallSpeed = static_cast<std::int16_t>(net::kSlowestBallSpeed + design_->Combo1.ListIndex());
  SendChoices();
}

void FrmNet::ImgBall_Click(int Index) {
  design_->balls.Mark(Index);
  SelectedBall = Index + 1;
  SendChoices();
}

void FrmNet::SendChoices() {
  if (!lobby_) {
    return;
  }
  if (lobby_->GetSide() == Side::Guest) {
    lobby_->SetGuestDevice(OwnDevice());
    return;
  }
  net::MatchChoices settings;
  settings.ballSpeed = BallSpeed;
  settings.ball = static_cast<std::uint8_t>(SelectedBall > 0 ? SelectedBall - 1 : 0);
  settings.hostDevice = OwnDevice();
  lobby_->SetHostSettings(settings);
}

void FrmNet::Search() {
  if (const auto found = hosts_.Tick(mode_ == Mode::Joining && !lobby_)) {
    Design& d = *design_;
    d.List2.Clear();
    for (const net::FoundHost& host : *found) {
      d.List2.AddItem(Listed(host));
    }
  }
}

void FrmNet::Timer1_Timer() {
  Search();
  if (!lobby_) {
    return;
  }
  lobby_->Poll();
  if (!DropClosedLobby()) {
    if (const auto start = lobby_->TakeStart()) {
      BeginMatch(start->startPass);
      return;
    }
    if (startWhenJoined_ && lobby_->Agreed() && lobby_->GuestDeviceKnown()) {
      startWhenJoined_ = false;
      Command1_Click();
      return;
    }
  }
  ShowState();
}

bool FrmNet::DropClosedLobby() {
  if (!lobby_->Closed()) {
    return false;
  }
  // A guest refused, left or unanswered: what happened stays on the screen.
  notice_ = lobby_->Notice();
  lobby_.reset();
  return true;
}

void FrmNet::BeginMatch(std::uint32_t startPass) {
  const net::MatchChoices& s = lobby_->Settings();
  const bool host = lobby_->GetSide() == Side::Host;
  const SteeringDevice mine = host ? s.hostDevice : s.guestDevice;
  net::NetworkMatchStart start;
  start.settings = NetworkMatchSettings{s.ballSpeed, DeviceKindName(s.hostDevice),
                                        DeviceKindName(s.guestDevice)};
  start.ballArtwork = std::string(art::Balls()[s.ball].name);
  start.side = lobby_->GetSide();
  start.joystickIdentifier = mine == SteeringDevice::Joystick ? PlayerGuid : "";
  start.firstWirePass = startPass;
  FrmNetMatch_->Prepare(*lobby_->Link(), std::move(start));
  matchPlayed_ = true;
  notice_.clear();
  lobby_->ClearNotice();
  Unload();
  FrmNetMatch_->Show(ShowMode::Modal);
}

void FrmNet::ShowMode() {
  Design& d = *design_;
  const bool hosting = mode_ == Mode::Hosting;
  const bool joining = mode_ == Mode::Joining;
  for (Control* c : std::initializer_list<Control*>{&d.Frame1, &d.Label2, &d.List1}) {
    c->visible = hosting || joining;
  }
  for (Control* c : std::initializer_list<Control*>{
           &d.Label10, &d.Combo1, &d.Frame3, &d.balls.Label4, &d.balls.Label5, &d.balls.Label6,
           &d.balls.Label7, &d.balls.Label8, &d.Command1}) {
    c->visible = hosting;
  }
  for (Image* ball : d.balls.ImgBall) {
    ball->visible = hosting;
  }
  for (Control* c :
       std::initializer_list<Control*>{&d.Label3, &d.List2, &d.Label4, &d.Text1, &d.Command5}) {
    c->visible = joining;
  }
}

void FrmNet::ShowState() {
  Design& d = *design_;
  const bool agreed = lobby_ && lobby_->Agreed();
  d.Detail.caption.clear();
  if (agreed) {
    d.Status.caption = "Playing with " + lobby_->PartnerName();
    if (lobby_->GetSide() == Side::Guest) {
      const net::MatchChoices& s = lobby_->Settings();
      d.Status.caption += ": waiting for them to start";
      d.Detail.caption = "Ball speed " + std::to_string(s.ballSpeed) + ", ball " +
                         std::string(art::Balls()[s.ball].name);
    }
  } else if (mode_ == Mode::Hosting && lobby_) {
    d.Status.caption = "Waiting for a player on port " + std::to_string(hostPort_);
    if (!hostAddresses_.empty()) {
      d.Detail.caption = "This machine: " + Joined(hostAddresses_);
    }
  } else if (mode_ == Mode::Joining && lobby_) {
    d.Status.caption = "Joining " + Address + "...";
  } else if (mode_ == Mode::Joining) {
    d.Status.caption = "Choose a match found, or type an address, then JOIN";
  } else if (mode_ == Mode::Hosting) {
    d.Status.caption = "Not hosting";
  } else {
    d.Status.caption = "Host a match, or join one";
  }
  d.Command1.enabled = agreed;
  d.Command5.enabled = !lobby_;
  const std::string& lobbyNotice = lobby_ ? lobby_->Notice() : notice_;
  d.Notice.caption = lobbyNotice.empty() ? notice_ : lobbyNotice;
}

}  // namespace rallix
