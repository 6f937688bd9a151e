#pragma once

#include <QString>

// The per-user settings store: text values by key, all in the section
// "Settings". A missing key reads as the default the reader supplies; a write
// takes effect at once. Windows reach it through their Services, cores take it
// as an argument, and tests hand in a store in memory.
class Settings
{
public:
    virtual ~Settings() = default;

    QString read(const QString &key, const QString &defaultValue = {}) const
    {
        return value(key, defaultValue);
    }
    virtual void write(const QString &key, const QString &value) = 0;

protected:
    virtual QString value(const QString &key, const QString &defaultValue) const = 0;
};

// The user's store on disk: application "Fendrel", section "Settings", in the
// platform's native place for per-user settings.
class UserSettings final : public Settings
{
public:
    void write(const QString &key, const QString &value) override;

protected:
    QString value(const QString &key, const QString &defaultValue) const override;
};
