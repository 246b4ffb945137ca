#include "TextLimit.h"

#include "toolkit/model/PlainName.h"

#include <QLineEdit>
#include <QValidator>

namespace {

class CharacterLimit : public QValidator {
public:
    CharacterLimit(int characters, QObject *parent)
        : QValidator(parent)
        , m_characters(characters) {}
    State validate(QString &input, int &) const override {
        // A pasted control character (a NUL, a tab, a line break) stands as a blank.
        input = plainName(input);
        return characterCount(input) <= m_characters ? Acceptable : Invalid;
    }

private:
    int m_characters;
};

} // namespace

int characterCount(const QString &text) {
    return int(text.toUcs4().size());
}

void limitCharacters(QLineEdit *box, int characters) {
    box->setValidator(new CharacterLimit(characters, box));
}
