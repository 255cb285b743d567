// Drives modal dialogs in widget tests: each step runs on the next modal
// dialog that opens, after checking that it is of the expected kind.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

// Steps run one after another, each on the next modal dialog of its kind
// that opens; a dialog still open after the last step is rejected.
class DialogSteps {
public:
    using Step = std::function<void(QDialog&)>;
    using Kind = bool (*)(QDialog*);

    explicit DialogSteps(std::vector<std::pair<Kind, Step>> steps) : Steps(std::move(steps))
    {
        QObject::connect(&Poll, &QTimer::timeout, [this] { Look(); });
        Poll.start(5);
    }

    ~DialogSteps() { EXPECT_EQ(Next, Steps.size()) << "the dialogs stopped before step " << Next + 1; }

private:
    std::vector<std::pair<Kind, Step>> Steps;
    size_t Next = 0;
    QDialog* Last = nullptr;
    QTimer Poll;
    int Ticks = 0;

    void Look()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == Last || !dialog->isVisible())
            return TimeOut(dialog);
        if (Next == Steps.size() || !Steps[Next].first(dialog)) {
            ADD_FAILURE() << "step " << Next + 1 << " met a " << dialog->metaObject()->className();
            dialog->reject();
            return;
        }
        Last = dialog;
        Ticks = 0;
        // Run after this look returns: a step may open a nested dialog, and
        // the poll is not delivered again while its handler runs.
        const Step& step = Steps[Next++].second;
        QTimer::singleShot(0, dialog, [&step, dialog] { step(*dialog); });
    }

    void TimeOut(QDialog* dialog)
    {
        if (++Ticks < 1000)
            return;
        ADD_FAILURE() << "no dialog for step " << Next + 1;
        Ticks = 0;
        if (dialog)
            dialog->reject();
    }
};

template <class T>
bool Is(QDialog* dialog)
{
    return dynamic_cast<T*>(dialog) != nullptr;
}
