#pragma once
// Where a layer reaches a service that a higher layer installs (the
// prompter, the main frame, the dialogs). The slot does not own the
// service; it is a global of its layer, emptied by the layer's reset.
template <class T>
class ServiceSlot {
public:
    T* Get() const { return installed_; }
    // Installs service (null empties the slot); returns the one before.
    T* Install(T* service)
    {
        T* previous = installed_;
        installed_ = service;
        return previous;
    }
    void Reset() { installed_ = nullptr; }

private:
    T* installed_ = nullptr;
};
