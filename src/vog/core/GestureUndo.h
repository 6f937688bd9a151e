#pragma once

#include "vog/core/DotModel.h"

// Makes one mouse gesture (a stroke in draw mode, a selection lifted, moved
// and dropped) one undo step: the snapshot is taken just before the gesture's
// first change, so a gesture that changes nothing leaves no step behind.
namespace vog {

class GestureUndo
{
public:
    void begin() { m_pending = true; }
    void end() { m_pending = false; }
    // Call before every change the gesture makes.
    void beforeChange(DotModel &model)
    {
        if (!m_pending)
            return;
        m_pending = false;
        model.SaveUndo();
    }

private:
    bool m_pending = false;
};

} // namespace vog
