#pragma once
// The desktop's light or dark appearance, read anew each time it is asked.
class IAppearance {
public:
    virtual ~IAppearance() = default;
    virtual bool isDark() const = 0;
};

// The desktop portal's colour-scheme setting over D-Bus where a session bus
// exists, else a GTK_THEME ending in ":dark", else the lightness of the
// application palette's window colour.
class QtAppearance : public IAppearance {
public:
    bool isDark() const override;
};
