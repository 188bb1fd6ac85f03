#pragma once

// Common root of the window and picture classes: objects are destroyed
// through it, and it carries nothing else.
class KyClassBase {
public:
    virtual ~KyClassBase() = default;
};
