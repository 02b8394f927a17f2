#include "toolkit/TEdit.h"

#include <QValidator>

namespace kazuyomi {

namespace {

// Takes out what the maximum length leaves of a character cut in two.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        for (qsizetype at = input.size() - 1; at >= 0; --at) {
            const QChar unit = input.at(at);
            const bool paired = unit.isHighSurrogate()
                                    ? at + 1 < input.size() && input.at(at + 1).isLowSurrogate()
                                    : !unit.isLowSurrogate() || (at > 0 && input.at(at - 1).isHighSurrogate());
            if (paired) continue;
            input.remove(at, 1);
            if (position > at) --position;
        }
        return Acceptable;
    }
};

}  // namespace

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new WholeCharacters(this));
    connect(this, &QLineEdit::textEdited, this, [this] { setModified(true); });
}

}  // namespace kazuyomi
