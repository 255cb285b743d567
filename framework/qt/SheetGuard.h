// Runs a property sheet's program code from toolkit callbacks: an exception
// must not cross Qt's event loop, so the first one is kept, the sheet's box
// is ended, and the sheet's runner throws it again once the box is gone.
#pragma once

#include <QDialog>

#include <exception>
#include <functional>

class SheetGuard {
public:
    explicit SheetGuard(QDialog& box) : Box(box) {}

    // False when the call threw (or an earlier one had).
    bool Run(const std::function<void()>& call)
    {
        if (Failure)
            return false;
        try {
            call();
            return true;
        } catch (...) {
            Failure = std::current_exception();
            Box.done(QDialog::Rejected);
            return false;
        }
    }
    void Rethrow() const
    {
        if (Failure)
            std::rethrow_exception(Failure);
    }

private:
    QDialog& Box;
    std::exception_ptr Failure;
};
