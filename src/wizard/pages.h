#pragma once

#include <array>
#include <string_view>

namespace tw {

// The pages, in the page area's order.
enum class Page {
  tabIntro,
  tabLicence,
  tabNetworkType,
  tabLAN,
  tabLANReady,
  tabLANRenovo,
  tabPeer2Peer,
  tabP2PHost,
  tabP2PHostReady,
  tabP2PRenovo,
  tabP2PHostFinished,
  tabP2PWorkstation,
  tabP2PWorkstationReady,
  tabP2PWorkstationDataFolder,
  tabP2PWorkstationFinished,
  tabFinished,
  tabNoInstaller,
};
inline constexpr int kPageCount = 17;

enum class NextState { Off, On, WhenAccepted };

// What a page routine sets on entry.
struct PageInfo {
  Page page;
  std::string_view sheet;
  std::string_view caption;
  std::string_view routine;
  std::string_view heading;
  std::string_view subHeading;
  bool previous;
  NextState next;
  bool finish;
  bool traced;
};

extern const std::array<PageInfo, kPageCount> kPages;

const PageInfo& PageOf(Page page);

}  // namespace tw
