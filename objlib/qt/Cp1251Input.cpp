#include "objlib/qt/Cp1251Input.h"

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include "objlib/qt/BoxMark.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

class Cp1251Validator : public QValidator {
public:
    explicit Cp1251Validator(QLineEdit& box) : QValidator(&box), box_(&box) {}

    State validate(QString& input, int& caret) const override {
        QString kept;
        kept.reserve(input.size());
        char32_t refused = 0;
        for (qsizetype i = 0; i < input.size();) {
            const bool pair = input[i].isHighSurrogate() && i + 1 < input.size();
            const char32_t character = pair ? QChar::surrogateToUcs4(input[i], input[i + 1]) : input[i].unicode();
            const qsizetype length = pair ? 2 : 1;
            if (character == U'\uFFFD' || CanWriteCp1251(character)) {
                kept += input.mid(i, length);
            } else {
                if (!refused) refused = character;
                if (i < caret) caret -= static_cast<int>(length);
            }
            i += length;
        }
        if (refused) {
            input = kept;
            if (box_)
                MarkBox(*box_, Morvane::tr("Символ «%1» нельзя записать в cp1251.")
                                   .arg(QString::fromUcs4(&refused, 1)),
                        kept);
        }
        return Acceptable;
    }

private:
    QPointer<QLineEdit> box_;
};

}  // namespace

void AcceptCp1251Only(QLineEdit& box) { box.setValidator(new Cp1251Validator(box)); }
