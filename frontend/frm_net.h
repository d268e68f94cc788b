#pragma once
// The network screen: a player hosts a match or joins one found on the local
// network (or typed as an address), each picks their own device, the host
// picks the ball speed and the ball for both, and the host's START GAME opens
// the match on both machines. The link stays with this screen across
// matches: back from one, the two are still together and can play again.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/ball_chooser.h"
#include "frontend/host_search.h"
#include "frontend/network_launch.h"
#include "input/creator_input_detector.h"
#include "net/discovery.h"
#include "net/frm_net_match.h"
#include "net/net_lobby.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/designed_form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"

namespace rallix {

// The controls of FrmNet, each named as the screen knows it.
struct FrmNetDesign {
  ControlList& list;
  Label Label1;
  CommandButton Command3;
  CommandButton Command4;
  Label Status;
  Label Detail;
  Frame Frame1;
  Label Label2;
  ListBox List1;
  Label Label10;
  ComboBox Combo1;
  Frame Frame3;
  BallChooser balls;
  Label Label3;
  ListBox List2;
  Label Label4;
  TextBox Text1;
  CommandButton Command5;
  CommandButton Command1;
  CommandButton Command2;
  Label Notice;
  Timer Timer1;
  explicit FrmNetDesign(ControlList& controls);
};

class FrmNet final : public DesignedForm<FrmNetDesign> {
 public:
  explicit FrmNet(FormsRuntime& runtime);
  void Connect(Form& menu, net::FrmNetMatch& match);

  // The link is looked at this often while the screen is shown.
  static constexpr int kPollMs = 50;
  // Finding hosts waits this long for answers, on a thread of its own, and
  // starts again this long after the last search ended.
  static constexpr int kSearchWaitMs = 200;
  static constexpr int kSearchEveryMs = 2000;
  static constexpr int kAddressMaxLength = 100;
  static constexpr int kKeyboardEntry = 0;
  static constexpr int kMouseEntry = 1;

  // Kept from one visit to the next.
  // The port a host listens on (0: one the system picks).
  std::uint16_t Port = net::kDefaultGamePort;
  std::int16_t BallSpeed = 5;
  std::int32_t SelectedBall = 0;  // 1..5 as the ball chooser counts; 0: the first
  std::string PlayerDevice;
  std::string PlayerGuid;
  std::string Address;
  std::vector<std::string> JoyNames;
  std::vector<std::string> JoyGuids;
  std::string JoyType;

  // The screen's next load hosts or joins at once.
  void LaunchOnLoad(NetworkLaunch launch) { launch_ = std::move(launch); }

  // What the screen is talking over; null while neither hosting nor joining.
  const net::NetLobby* Lobby() const { return lobby_.get(); }
  // The port this screen's host listens on; 0 while it is not hosting.
  std::uint16_t HostPort() const { return mode_ == Mode::Hosting && lobby_ ? hostPort_ : 0; }

 protected:
  void CreateControls() override;
  void Form_Load() override;

 private:
  enum class Mode { Choosing, Hosting, Joining };

  void Command1_Click();  // START GAME
  void Command2_Click();  // CANCEL
  void Command3_Click();  // Host a match
  void Command4_Click();  // Join a match
  void Command5_Click();  // JOIN
  void List1_Click();
  void List2_Click();
  void Combo1_Click();
  void ImgBall_Click(int Index);
  void Timer1_Timer();

  void Leave();
  void TakeLaunch();
  // Lets go of a guest's lobby whose link closed, keeping its notice; false when it is open.
  bool DropClosedLobby();
  void Search();
  void SendChoices();
  void ShowMode();
  void ShowState();
  void BeginMatch(std::uint32_t startPass);
  SteeringDevice OwnDevice() const;

  Mode mode_ = Mode::Choosing;
  std::unique_ptr<net::NetLobby> lobby_;
  HostSearch hosts_{kSearchWaitMs, kSearchEveryMs / kPollMs};
  std::string notice_;
  std::vector<std::string> hostAddresses_;
  std::uint16_t hostPort_ = 0;
  bool matchPlayed_ = false;
  std::optional<NetworkLaunch> launch_;
  bool startWhenJoined_ = false;

  Form* FrmMenu_ = nullptr;
  net::FrmNetMatch* FrmNetMatch_ = nullptr;
  std::optional<CreatorInputDetector> Detector;
};

}  // namespace rallix
