#pragma once

#include "support/fake_platform.h"
#include "support/scripted_random.h"
#include "ui/frmMain.h"

#include <memory>

namespace nupel::test {

// A main window on a fresh new game with its timer stopped, so a test drives
// every timer event itself. Test classes inherit it next to QObject.
class MainWindowFixture {
protected:
    enum class Load { Yes, No };

    void openMainWindow(Load load = Load::Yes)
    {
        m_window.reset();
        m_state = PetState();
        m_state.setNewGameValues();
        m_state.petName = QStringLiteral("もも");
        m_random = ScriptedRandom();
        m_platform = FakePlatform();
        m_window = std::make_unique<frmMain>(m_state, m_random, m_platform);
        m_window->timer().stop();
        if (load == Load::Yes)
            m_window->Form_Load();
    }

    void closeMainWindow() { m_window.reset(); }

    // A control of the main window by its name; null when there is none.
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }

    PetState m_state;
    ScriptedRandom m_random;
    FakePlatform m_platform;
    std::unique_ptr<frmMain> m_window;
};

} // namespace nupel::test
