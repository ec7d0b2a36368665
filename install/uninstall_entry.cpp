#include "install/uninstall_entry.h"

#include "common/product.h"

std::string RegisterUninstallEntry(CRegistryTool& registry, const std::string& productFolder)
{
    const std::string key = product::kUninstallKey;
    const std::string previousDisplayName = registry.QueryStringValue(key, "DisplayName");

    // The system runs this text as a command line. Unquoted, a folder with
    // blanks ("C:\Program Files\...") lets "C:\Program.exe" run instead.
    const std::string uninstaller = productFolder + "\\" + product::kUninstallerFileName;

    registry.SetValue(key, "DisplayName", product::kDisplayName);
    registry.SetValue(key, "UninstallString", "\"" + uninstaller + "\"");
    registry.SetValue(key, "InstallLocation", productFolder);
    registry.SetValue(key, "Publisher", product::kPublisher);
    registry.SetValue(key, "HelpLink", product::kHomePageUrl);
    registry.SetValue(key, "URLUpdateInfo", product::kHomePageUrl);
    registry.SetValue(key, "URLInfoAbout", product::kHomePageUrl);
    return previousDisplayName;
}
