#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>
#include <QStringList>

#include "handengine.h"

class CalculatorWindow;
class Shell;

// A hand to open in the hand window as the program starts: from the command line,
//   zorvan-calculator --hand "HAND" [--seat S] [--round W] [--limit N] [--self-drawn]
//                     [--last-tile] [--supplement] [--robbing-kong] [--no-fa-table]
// (zorvan-hand's options for the conditions), or on the web from the page's
// #hand=<notation>&seat=S&round=W&limit=300&self=1 link.
struct HandRequest {
    std::string hand;
    hand::Conditions conditions;
    bool limitGiven = false; // the table limit goes into the calculator's box
};

struct ReadHandRequest {
    std::optional<HandRequest> request; // none when nothing asks for a hand
    QString error;                      // why what was asked cannot be opened
};

// The program's arguments after Qt has taken its own (without the program's name).
ReadHandRequest readHandArguments(const QStringList& arguments);
// The page's address or its part from "#"; a fragment that names no hand asks for none.
ReadHandRequest readHandLinkRequest(std::string_view link);

// Once the event loop runs: the table limit into the calculator's box (as if typed), then the
// hand window, beside the calculator, with the conditions and the hand; or a message saying
// why the hand was not opened.
void openRequestedHand(Shell& shell, CalculatorWindow* calculator, const ReadHandRequest& read);
