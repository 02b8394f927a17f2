// A self-pick list driven by a script of adds, deletes and resets, checked after every step
// against ForecastModel and against the rules that always hold.
//
// Input: a reset always runs first, then one step after another until the input ends. A step is
// an op byte and, but for a reset, a text:
//   op % 64 == 47: initYoso (rare: a reset shows all fifty slots and costs the most);
//   else op % 16: 0..6 addYoso, 7..10 addSoredemo (modified unless op bits 4 and 5 are both
//   clear), 11..15 delYoso.
// A text is a length byte (below 0xF8: the byte % 7, so mostly 0..6; else the next byte, 0..255)
// and then one byte per character: below 0xC0 one of the characters of `alphabet`, otherwise
// the next byte as it stands, so any byte can occur.

#include "fuzz/ByteReader.h"
#include "fuzz/ForecastModel.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/Reference.h"
#include "selfpick/ForecastAdd.h"
#include "selfpick/ForecastList.h"
#include "toolkit/Convert.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kazuyomi::AddOutcome;
using kazuyomi::ForecastList;
using kazuyomi::fuzz::ForecastModel;
using kazuyomi::fuzz::require;

constexpr std::array<std::string_view, 16> alphabet = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "-", " ", "１", "ｴ", "a"};

enum class Op { addYoso, addSoredemo, delYoso, initYoso };

struct Step {
    Op op = Op::initYoso;
    std::string text;
    bool modified = false;
};

std::string readText(kazuyomi::fuzz::ByteReader& input)
{
    const uint8_t lengthByte = input.byte();
    const std::size_t length = lengthByte < 0xF8 ? lengthByte % 7 : input.byte();
    std::string text;
    for (std::size_t i = 0; i < length && !input.empty(); ++i) {
        const uint8_t code = input.byte();
        if (code < 0xC0) {
            text += alphabet[code % alphabet.size()];
        } else {
            text += static_cast<char>(input.byte());
        }
    }
    return text;
}

Step readStep(kazuyomi::fuzz::ByteReader& input)
{
    const uint8_t code = input.byte();
    const int selector = code % 16;
    Step step;
    if (code % 64 == 47) return step;
    step.op = selector <= 6 ? Op::addYoso : selector <= 10 ? Op::addSoredemo : Op::delYoso;
    step.text = readText(input);
    step.modified = (code & 0x30) != 0;
    return step;
}

struct Shown {
    int32_t slot;
    std::string text;
};

// What a step did that can be seen from outside the list.
struct Observed {
    bool refused = false;
    std::string message; // what() of the EConvertError
    AddOutcome outcome;
    bool deleted = false;
};

Observed run(ForecastList& list, const Step& step)
{
    Observed observed;
    try {
        switch (step.op) {
        case Op::addYoso: observed.outcome = kazuyomi::addYoso(list, step.text); break;
        case Op::addSoredemo:
            observed.outcome = kazuyomi::addSoredemo(list, step.text, step.modified);
            break;
        case Op::delYoso: observed.deleted = list.delYoso(step.text); break;
        case Op::initYoso: list.initYoso(); break;
        }
    } catch (const kazuyomi::EConvertError& error) {
        observed.refused = true;
        observed.message = error.what();
    } catch (...) {
        require(false, "nothing but EConvertError is thrown");
    }
    return observed;
}

// The rows of the outcome table; nothing else may come back from an add.
KAZUYOMI_FUZZ_CHECK bool isAddYosoRow(const AddOutcome& outcome)
{
    using namespace kazuyomi::fuzz;
    static const std::array<AddOutcome, 5> rows = {{{resultTooShort, false, false},
                                                    {resultStraight, false, false},
                                                    {resultBox, true, false},
                                                    {resultStart, false, false},
                                                    {resultStart, false, true}}};
    return std::find(rows.begin(), rows.end(), outcome) != rows.end();
}

KAZUYOMI_FUZZ_CHECK bool isAddSoredemoRow(const AddOutcome& outcome)
{
    // The last row: the empty value, which is never filed, draws the straight error.
    using namespace kazuyomi::fuzz;
    static const std::array<AddOutcome, 4> rows = {{{std::nullopt, false, false},
                                                    {std::nullopt, std::nullopt, false},
                                                    {resultStart, false, true},
                                                    {resultStraight, false, false}}};
    return std::find(rows.begin(), rows.end(), outcome) != rows.end();
}

// The list with everything the checks need from one step to the next.
struct Session {
    Session()
        : list([this](int32_t slot, const std::string& text) {
              require(slot >= 1 && slot <= 50, "the list shows slots 1 to 50 only");
              shown[static_cast<std::size_t>(slot)] = text;
              calls.push_back({slot, text});
          })
    {
        calls.reserve(50);
    }

    ForecastList list;
    ForecastModel model;
    std::array<std::string, 51> shown; // the last text shown per slot
    std::vector<Shown> calls;          // the texts shown during the current step
    // A filled slot's text for its number and kind, formatted again only when they change.
    std::array<std::string, 51> formatted;
    std::array<int32_t, 51> formattedNumber{};
    std::array<uint8_t, 51> formattedKind{};
};

KAZUYOMI_FUZZ_CHECK void checkReset(const Session& session)
{
    require(session.calls.size() == 50, "initYoso shows 50 slots");
    for (int32_t slot = 1; slot <= 50; ++slot) {
        const Shown& call = session.calls[static_cast<std::size_t>(slot - 1)];
        require(call.slot == slot && call.text == kazuyomi::fuzz::emptySlotText(slot),
                "initYoso shows every slot empty, slot 1 first");
    }
}

KAZUYOMI_FUZZ_CHECK void checkStep(Session& session, const Step& step, const Observed& observed,
                                   const std::array<int32_t, 51>& numberBefore,
                                   const std::array<uint8_t, 51>& kindBefore)
{
    const ForecastList& list = session.list;
    ForecastModel::Expected expected;
    switch (step.op) {
    case Op::addYoso:
        expected = session.model.addYoso(step.text);
        if (!observed.refused) {
            require(isAddYosoRow(observed.outcome), "addYoso returns a row of the table");
        }
        break;
    case Op::addSoredemo:
        expected = session.model.addSoredemo(step.text, step.modified);
        if (!observed.refused) {
            require(isAddSoredemoRow(observed.outcome), "addSoredemo returns a row of the table");
        }
        break;
    case Op::delYoso: expected = session.model.delYoso(step.text); break;
    case Op::initYoso:
        session.model.initYoso();
        checkReset(session);
        break;
    }

    require(observed.refused == expected.refused,
            "EConvertError exactly for a text that is no whole number");
    if (observed.refused) {
        require(kazuyomi::fuzz::isRefusalMessage(observed.message.c_str(), step.text),
                "EConvertError reads '<text>' は整数ではありません");
        require(list.yosoNum == numberBefore && list.yosoKind == kindBefore &&
                    session.calls.empty(),
                "a refused text changes nothing and shows nothing");
    } else if (step.op != Op::initYoso) {
        require(observed.outcome == expected.outcome, "the add gives the expected outcome");
        require(observed.deleted == expected.deleted, "delYoso clears exactly a named slot");
        require(session.calls.size() == (expected.shownSlot != 0 ? 1u : 0u),
                "a step shows one slot when it files or clears one, else none");
        if (!session.calls.empty()) {
            const auto at = static_cast<std::size_t>(expected.shownSlot);
            require(session.calls.front().slot == expected.shownSlot &&
                        session.calls.front().text == session.model.shown[at],
                    "the step shows the slot it changes, with its new text");
        }
        if (step.op != Op::delYoso) {
            std::size_t stored = 0;
            for (std::size_t slot = 1; slot <= 50; ++slot) {
                if (list.yosoNum[slot] == numberBefore[slot] &&
                    list.yosoKind[slot] == kindBefore[slot]) {
                    continue;
                }
                ++stored;
                require(numberBefore[slot] == -1, "an add fills an empty slot only");
            }
            require(stored <= 1, "an add fills at most one slot");
            require(observed.outcome.clearEntry == (stored == 1),
                    "the entry is cleared exactly when a slot was filled");
        }
    }

    require(list.yosoNum[0] == -1 && list.yosoKind[0] == 0, "slot 0 holds -1 with kind 0");
    for (std::size_t slot = 0; slot <= 50; ++slot) {
        require(list.yosoKind[slot] <= 1, "every kind is 0 or 1");
    }
    require(list.yosoNum == session.model.number && list.yosoKind == session.model.kind,
            "the slots hold what the model holds");

    // A slot changes only through a step that writes its number or kind or shows its text, so
    // checking the slots that this step touched keeps every slot checked after every step.
    std::array<bool, 51> touched{};
    for (std::size_t slot = 1; slot <= 50; ++slot) {
        touched[slot] =
            list.yosoNum[slot] != numberBefore[slot] || list.yosoKind[slot] != kindBefore[slot];
    }
    for (const Shown& call : session.calls) touched[static_cast<std::size_t>(call.slot)] = true;
    for (int32_t slot = 1; slot <= 50; ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        if (!touched[at]) continue;
        const std::string& shown = session.shown[at];
        require(shown == session.model.shown[at], "every slot shows what the model shows");
        if (list.yosoNum[at] == -1) {
            require(shown == kazuyomi::fuzz::emptySlotText(slot), "an empty slot shows ----");
            continue;
        }
        if (session.formatted[at].empty() || session.formattedNumber[at] != list.yosoNum[at] ||
            session.formattedKind[at] != list.yosoKind[at]) {
            session.formatted[at] =
                kazuyomi::fuzz::slotText(slot, list.yosoNum[at], list.yosoKind[at]);
            session.formattedNumber[at] = list.yosoNum[at];
            session.formattedKind[at] = list.yosoKind[at];
        }
        require(shown == session.formatted[at],
                "a filled slot shows its number in the width of its kind");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Session session;
    kazuyomi::fuzz::ByteReader input(data, size);
    bool first = true;
    while (first || !input.empty()) {
        const Step step = first ? Step{} : readStep(input);
        first = false;
        const std::array<int32_t, 51> numberBefore = session.list.yosoNum;
        const std::array<uint8_t, 51> kindBefore = session.list.yosoKind;
        session.calls.clear();
        const Observed observed = run(session.list, step);
        checkStep(session, step, observed, numberBefore, kindBefore);
    }
    return 0;
}
