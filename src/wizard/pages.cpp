#include "wizard/pages.h"

namespace tw {

namespace {
constexpr std::string_view kHostInstall = "Peer-to-Peer Network Installation - Host PC";
constexpr std::string_view kWorkstationInstall = "Peer-to-Peer Network Installation - Workstation";
constexpr std::string_view kLanInstall = "Local Area Network Installation";
constexpr std::string_view kWhereInstall = "Where do you want to install Tellwick?";
constexpr std::string_view kCompleted = "The installation of Tellwick has been completed.";
constexpr std::string_view kReadyDatabase = "Ready to create or update Tellwick database.";
constexpr auto On = NextState::On;
constexpr auto Off = NextState::Off;
}  // namespace

// clang-format off
const std::array<PageInfo, kPageCount> kPages = {{
  // page, sheet, caption, routine, heading, sub-heading, previous, next, finish, traced
  {Page::tabIntro, "tabIntro", "Intro", "ShowIntroPage",
   "Introduction", "Welcome to Tellwick Easy Setup.", false, On, false, true},
  {Page::tabLicence, "tabLicence", "Licence", "ShowLicencePage",
   "License Agreement", "Please read the following important information before continuing.",
   true, NextState::WhenAccepted, false, false},
  {Page::tabNetworkType, "tabNetworkType", "Network Type", "ShowNetworkTypePage",
   "Network Type", "What type of network do you have?", true, On, false, true},
  {Page::tabLAN, "tabLAN", "LAN", "ShowLANPage",
   "Local Area Network", kWhereInstall, true, On, false, true},
  {Page::tabLANReady, "tabLANReady", "LAN Ready", "ShowLANReadyPage",
   kLanInstall, "Ready to install Tellwick on your Local Area Network.", true, Off, false, true},
  {Page::tabLANRenovo, "tabLANRenovo", "LAN Renovo", "ShowLANRenovoPage",
   kLanInstall, kReadyDatabase, true, Off, false, true},
  {Page::tabPeer2Peer, "tabPeer2Peer", "Peer2Peer", "ShowPeer2PeerPage",
   "Peer-to-Peer Network", "Which computer are you setting up?", true, On, false, true},
  {Page::tabP2PHost, "tabP2PHost", "P2P Host", "ShowPeer2PeerHostPage",
   "Peer-to-Peer Network - Host PC", kWhereInstall, true, On, false, true},
  {Page::tabP2PHostReady, "tabP2PHostReady", "P2P Host Ready", "ShowPeer2PeerHostReadyPage",
   kHostInstall, "Ready to install Tellwick on your Host PC.", true, Off, false, true},
  {Page::tabP2PRenovo, "tabP2PRenovo", "P2P Renovo", "ShowPeer2PeerRenovoPage",
   kHostInstall, kReadyDatabase, true, Off, false, true},
  {Page::tabP2PHostFinished, "tabP2PHostFinished", "P2P Host Finished", "ShowPeer2PeerHostFinishPage",
   kHostInstall, kCompleted, true, Off, true, true},
  {Page::tabP2PWorkstation, "tabP2PWorkstation", "P2P Workstation", "ShowPeer2PeerWorkstationPage",
   "Peer-to-Peer Network - Workstation", kWhereInstall, true, On, false, true},
  {Page::tabP2PWorkstationReady, "tabP2PWorkstationReady", "P2P Workstation Ready",
   "ShowPeer2PeerWorkstationReadyPage",
   kWorkstationInstall, "Ready to install Tellwick on your workstation.", true, Off, false, true},
  {Page::tabP2PWorkstationDataFolder, "tabP2PWorkstationDataFolder", "P2P Workstation Data",
   "ShowPeer2PeerWorkstationDataPage",
   kWorkstationInstall, "Specify the location of the Tellwick data folder.", true, Off, false, false},
  {Page::tabP2PWorkstationFinished, "tabP2PWorkstationFinished", "P2P Workstation Finished",
   "ShowPeer2PeerFinishPage", kWorkstationInstall, kCompleted, true, Off, true, true},
  {Page::tabFinished, "tabFinished", "Finished", "ShowLANFinishPage",
   "Installation Finished", kCompleted, true, Off, true, true},
  {Page::tabNoInstaller, "tabNoInstaller", "No Installer", "ShowNoInstallerPage",
   "Installer Error", "Tellwick Installer was not found!", false, Off, false, false},
}};
// clang-format on

const PageInfo& PageOf(Page page) { return kPages[static_cast<size_t>(page)]; }

}  // namespace tw
