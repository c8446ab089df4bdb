#pragma once

// The wait cursor over the whole application while the object lives: a window shows it while
// it waits on the database, and gets its own cursor back however the wait ends. A dialog asked
// meanwhile shows the normal cursor (see DialogosQt).
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    bool puesto_ = false;
};
