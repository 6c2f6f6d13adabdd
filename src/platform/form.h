#pragma once

#include <QWidget>

// A window with the life of the program's windows: its load steps run once, when it is first
// shown; its activate and deactivate steps whenever it gains or loses the activation (as a
// window of its own or as a child of the frame); its unload steps when it closes.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    bool isLoaded() const { return m_loaded; }
    // Runs the load steps now unless they have run.
    void load();
    // Closes the window; a child of the frame closes with its frame.
    void unload();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Unload() {}

    // Sets the order of Tab through the controls when the window is first shown, laid out:
    // their reading order, unless the window has an order of its own.
    virtual void orderTabs();

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QObject *m_activationWatcher;
    bool m_loaded = false;
    bool m_tabsOrdered = false;
};
