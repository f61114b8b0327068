#pragma once

#include <QStringList>

// The English texts of the shipped "ZkSolicitReview" alert, in the file's order: title, message,
// then the button titles. Listed in code so that lupdate collects them for the translators.
QStringList zkSolicitReviewTexts();
