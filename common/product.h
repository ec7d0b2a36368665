// Names that identify the product on the user's system. Both programs and the
// files they leave behind depend on these exact texts.
#pragma once

namespace product {
const char kProgramFileName[] = "Tolmic.exe";
const char kUninstallerFileName[] = "UnInstall.exe";
const char kShortCutName[] = "Tolmic 2007";
const char kDisplayName[] = "Tolmic Expression Calculator 2007";
const char kUninstallKeyParent[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kUninstallKeyName[] = "Tolmic2007";
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tolmic2007";
// The maker as the list of installed programs shows it, and the product's
// home page (for help, updates and "about" alike).
const char kPublisher[] = "Orlund Software, Vessendorf, Kaldoria";
const char kHomePageUrl[] = "http://www.orlund.example/tolmic/";
}  // namespace product
