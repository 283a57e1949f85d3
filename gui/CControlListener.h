// Receives the changes of the controls it listens to (usually the editor). GUI thread.
#pragma once

class CControl;

class CControlListener
{
public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    // Start and end of a user gesture on the control (a drag, a key edit).
    virtual void controlBeginEdit(CControl* control) {}
    virtual void controlEndEdit(CControl* control) {}
};
