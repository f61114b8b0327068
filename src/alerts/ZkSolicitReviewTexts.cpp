#include "ZkSolicitReviewTexts.h"

#include <QCoreApplication>

namespace {

// Must match resources/ZkSolicitReview.alert word for word: the file's texts are the keys.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("ZkSolicitReview", "Enjoying %@?"),
    QT_TRANSLATE_NOOP("ZkSolicitReview",
                      "If you find it useful, would you take a moment to rate it in the store? It won't take "
                      "more than a minute. Thank you for your support!"),
    QT_TRANSLATE_NOOP("ZkSolicitReview", "No, Thanks"),
    QT_TRANSLATE_NOOP("ZkSolicitReview", "Rate It Now"),
};

} // namespace

QStringList zkSolicitReviewTexts() {
    QStringList texts;
    for (const char* text : kTexts)
        texts.append(QString::fromUtf8(text));
    return texts;
}
