// Answers the message boxes the program shows while a test runs: a box left open would block
// the test in its modal loop.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

// While it lives, every message box that opens is recorded and answered with a click on the
// button captioned as the next of the given answers; a box without such a button (a message
// with only OK), or one that opens when no answer is left, is closed with its escape button.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::vector<QString> answers = {}) : answers_(answers.begin(), answers.end()) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
        timer_.start(5);
    }
    void Answer(const QString& caption) { answers_.push_back(caption); }

    std::vector<QString> texts;  // of every box, in order
    std::function<void(QMessageBox&)> onShown;  // called with every box before it is answered

private:
    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts.push_back(box->text());
        if (onShown) onShown(*box);
        QAbstractButton* chosen = box->escapeButton();
        for (QAbstractButton* button : box->buttons()) {
            if (!answers_.empty() && button->text() == answers_.front()) {
                chosen = button;
                answers_.pop_front();
                break;
            }
        }
        if (!chosen) chosen = box->buttons().value(0);
        QTest::mouseClick(chosen, Qt::LeftButton);
    }

    std::deque<QString> answers_;
    QTimer timer_;
};
