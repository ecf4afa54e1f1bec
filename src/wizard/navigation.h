#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>

#include "wizard/pages.h"

namespace tw {

// The choice controls and fields that Next looks at.
enum class Choice {
  None,
  radLAN,
  radPeer2Peer,
  radHost,
  radWorkstation,
  edtLANDirectory,
  edtHostTellwickDir,
  edtWorkstationFolder,
};

// Next from `from`: go to `to` when `when` holds (a radio button checked, a
// folder field filled in), else to `otherwise` when `otherwiseWhen` holds.
// A folder field that is empty gets `emptyMessage`.
struct NextRule {
  Page from;
  Page to;
  Choice when = Choice::None;
  std::optional<Page> otherwise = std::nullopt;
  Choice otherwiseWhen = Choice::None;
  std::string_view emptyMessage = {};
};

struct PreviousRule {
  Page from;
  Page to;
};

extern const std::array<NextRule, 13> kNextRules;
extern const std::array<PreviousRule, 15> kPreviousRules;

// The folder text is put between double quotes on the installer's command
// line, so a double quote inside it cannot be passed on.
inline constexpr std::string_view kFolderQuoteMessage =
    "The folder you have specified contains a double quote (\"), which cannot be used in a folder name!";

// Where Next leads, or the message that keeps the page. Nothing: Next does
// nothing on this page (or no option is chosen).
struct ShowMessage {
  std::string_view text;
};
using NextDecision = std::variant<Page, ShowMessage>;

struct ChoiceState {
  std::function<bool(Choice)> checked;      // radio buttons
  std::function<std::string(Choice)> text;  // folder fields
};

std::optional<NextDecision> DecideNext(Page active, const ChoiceState& state);
std::optional<Page> DecidePrevious(Page active);

}  // namespace tw
