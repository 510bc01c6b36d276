#include "text/IniLookup.h"

#include "log/XPel.h"
#include "system/SystemInfo.h"
#include "text/IniFile.h"
#include "text/TextPieces.h"

String getIniString(const char* key, const char* section, const char* defaultValue, const char* fileName)
{
    String path = String(":InstallerFiles:") + fileName;
    CIniFile file;
    if (file.load(getAppVolume(), getAppDir(), path))
        throw XPel("Can't open %s", fileName);
    return file.getIniString(key, section, defaultValue);
}

int getIniInt(const char* key, const char* section, int defaultValue)
{
    String defaultText;
    defaultText.format("%d", defaultValue);
    String text = getIniString(key, section, defaultText, "Installer.ini");
    int value = 0;
    return readLeadingInt(text, &value) ? value : defaultValue;
}

String getResString(const char* key)
{
    String language = getIniString("Language", "SystemInfo", "", "Installer.ini");
    return getIniString(key, language, "", "Strings.ini");
}
