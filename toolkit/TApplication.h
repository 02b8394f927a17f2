#pragma once

#include "toolkit/TForm.h"

#include <QApplication>
#include <QTranslator>

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace kazuyomi {

// The application object: it makes every window, the first one becoming the main window, runs
// the event loop until the main window closes, reports exceptions, and destroys every window it
// made when it goes.
class TApplication {
public:
    // Only argv[0], the program's name, is used: the program reads no command line.
    TApplication(int argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    static TApplication* instance();

    // Substitutes for the designed faces and Qt's own texts in Japanese.
    void Initialize();

    template <class Form>
    Form* CreateForm()
    {
        static_assert(std::is_base_of_v<TForm, Form>);
        auto form = std::make_unique<Form>();
        Form* const made = form.get();
        adopt(std::move(form));
        return made;
    }

    // Shows the main window and runs the event loop until it closes; returns the exit code.
    int Run();

    // Runs start-up and the event loop; an exception that escapes either is reported and the
    // program fails with exit code 1.
    int Execute(const std::function<void()>& startUp);

    // The stop-icon message box: the exception's message followed by ".".
    void HandleException(const std::exception& error);

    TForm* MainForm() const { return mainForm; }
    const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms; }

private:
    void adopt(std::unique_ptr<TForm> form);

    // Qt would take its own options (-reverse, -qwindowtitle, -stylesheet=FILE, -platform ...)
    // from the arguments it is given, so it is given the program's name alone. QApplication keeps
    // a reference to the count and the vector, so both live as long as it does.
    std::string programName;
    int qtArgc = 1;
    std::array<char*, 2> qtArgv{};
    QApplication application;
    QTranslator qtTranslator;
    std::vector<std::unique_ptr<TForm>> forms;
    TForm* mainForm = nullptr;
};

}  // namespace kazuyomi
