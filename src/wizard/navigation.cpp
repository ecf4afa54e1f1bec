#include "wizard/navigation.h"

#include <string>

namespace tw {

// clang-format off
const std::array<NextRule, 13> kNextRules = {{
  {Page::tabIntro, Page::tabLicence},
  {Page::tabLicence, Page::tabNetworkType},
  {Page::tabNetworkType, Page::tabLAN, Choice::radLAN, Page::tabPeer2Peer, Choice::radPeer2Peer},
  {Page::tabLAN, Page::tabLANReady, Choice::edtLANDirectory, {}, {},
   "You have not specified a network folder!"},
  {Page::tabLANReady, Page::tabLANRenovo},
  {Page::tabLANRenovo, Page::tabFinished},
  {Page::tabPeer2Peer, Page::tabP2PHost, Choice::radHost, Page::tabP2PWorkstation, Choice::radWorkstation},
  {Page::tabP2PHost, Page::tabP2PHostReady, Choice::edtHostTellwickDir, {}, {},
   "You have not specified a local folder!"},
  {Page::tabP2PHostReady, Page::tabP2PRenovo},
  {Page::tabP2PRenovo, Page::tabP2PHostFinished},
  {Page::tabP2PWorkstation, Page::tabP2PWorkstationReady, Choice::edtWorkstationFolder, {}, {},
   "You have not specified a local folder for Tellwick!"},
  {Page::tabP2PWorkstationReady, Page::tabP2PWorkstationDataFolder},
  {Page::tabP2PWorkstationDataFolder, Page::tabP2PWorkstationFinished},
}};

const std::array<PreviousRule, 15> kPreviousRules = {{
  {Page::tabNetworkType, Page::tabLicence},
  {Page::tabLicence, Page::tabIntro},
  {Page::tabLAN, Page::tabNetworkType},
  {Page::tabPeer2Peer, Page::tabNetworkType},
  {Page::tabLANReady, Page::tabLAN},
  {Page::tabLANRenovo, Page::tabLANReady},
  {Page::tabFinished, Page::tabLANRenovo},
  {Page::tabP2PHost, Page::tabPeer2Peer},
  {Page::tabP2PHostReady, Page::tabP2PHost},
  {Page::tabP2PRenovo, Page::tabP2PHostReady},
  {Page::tabP2PHostFinished, Page::tabP2PRenovo},
  {Page::tabP2PWorkstation, Page::tabPeer2Peer},
  {Page::tabP2PWorkstationReady, Page::tabP2PWorkstation},
  {Page::tabP2PWorkstationDataFolder, Page::tabP2PWorkstationReady},
  {Page::tabP2PWorkstationFinished, Page::tabP2PWorkstationDataFolder},
}};
// clang-format on

namespace {
bool IsField(Choice c) {
  return c == Choice::edtLANDirectory || c == Choice::edtHostTellwickDir || c == Choice::edtWorkstationFolder;
}
}  // namespace

std::optional<NextDecision> DecideNext(Page active, const ChoiceState& state) {
  for (const NextRule& rule : kNextRules) {
    if (rule.from != active) continue;
    if (rule.when == Choice::None) return rule.to;
    if (IsField(rule.when)) {
      const std::string text = state.text(rule.when);
      if (text.empty()) return ShowMessage{rule.emptyMessage};
      if (text.find('"') != std::string::npos) return ShowMessage{kFolderQuoteMessage};
      return rule.to;
    }
    if (state.checked(rule.when)) return rule.to;
    if (rule.otherwise && state.checked(rule.otherwiseWhen)) return *rule.otherwise;
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<Page> DecidePrevious(Page active) {
  for (const PreviousRule& rule : kPreviousRules)
    if (rule.from == active) return rule.to;
  return std::nullopt;
}

}  // namespace tw
