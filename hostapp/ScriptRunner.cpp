#include "hostapp/ScriptRunner.h"

#include "host/DialogDriver.h"
#include "host/ModalDialog.h"
#include "host/Toolkit.h"
#include "hostapp/AddOnHost.h"
#include "hostapp/DialogActions.h"

#include <exception>

namespace {

constexpr std::int16_t ChooserMenuId = 32500;
constexpr std::int16_t ChooserMenuItem = 1;

std::string AtLine(int line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

bool IsDialogEnd(const ScriptCommand& command) {
    return command.name == "close" || command.name == "cancel";
}

// Ends a dialog that is still open when its commands are done, without acceptance.
void EnsureClosed(host::ModalDialog& dialog) {
    if (dialog.IsOpen()) {
        host::DialogDriver(dialog).CloseWindow();
    }
    if (dialog.IsOpen()) {
        dialog.EndModal(host::DialogResponse::Cancel);
    }
}

} // namespace

bool ScriptRunner::Run(const Script& script, std::string& error) {
    const auto& commands = script.commands;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const ScriptCommand& command = commands[i];
        if (command.name == "menu") {
            std::size_t end = i + 1;
            while (end < commands.size() && !IsDialogEnd(commands[end])) {
                ++end;
            }
            if (!RunDialog(script, i, end, error)) {
                return false;
            }
            i = end;
        } else if (command.name == "release") {
            if (!host.IsLoaded() || host.IsReleased()) {
                error = AtLine(command.line, host.IsLoaded() ? "the add-on has already been released"
                                                             : "the add-on is not loaded");
                return false;
            }
            host.Release();
        } else {
            // "unload": the only other command a script may give outside the dialog.
            if (!host.IsLoaded()) {
                error = AtLine(command.line, "the add-on is not loaded");
                return false;
            }
            host.Unload();
        }
    }
    return true;
}

bool ScriptRunner::RunDialog(const Script& script, std::size_t menuIndex, std::size_t endIndex,
                             std::string& error) {
    const ScriptCommand& menu = script.commands[menuIndex];
    bool opened = false;
    std::string dialogError;
    auto previousHook = host::SetDialogOpenedHook([&](host::ModalDialog& dialog) {
        if (opened) {
            return;
        }
        opened = true;
        runWatch.Watch(dialog);
        host::DialogDriver driver(dialog);
        for (std::size_t i = menuIndex + 1; i <= endIndex && i < script.commands.size(); ++i) {
            const ScriptCommand& command = script.commands[i];
            std::string problem;
            bool done = false;
            try {
                done = RunDialogCommand(driver, command, problem);
            } catch (const std::exception& exception) {
                problem = std::string("the dialog failed: ") + exception.what();
            }
            if (!done) {
                dialogError = AtLine(command.line, problem);
                break;
            }
            if (IsDialogEnd(command) && dialog.IsOpen()) {
                dialogError = AtLine(command.line, "the dialog did not close");
                break;
            }
        }
        EnsureClosed(dialog);
    });
    std::string menuError;
    const bool chosen = host.ChooseMenuCommand(ChooserMenuId, ChooserMenuItem, menuError);
    host::SetDialogOpenedHook(std::move(previousHook));
    if (!dialogError.empty()) {
        error = dialogError;
        return false;
    }
    if (!chosen) {
        error = AtLine(menu.line, menuError);
        return false;
    }
    if (!opened) {
        // InitToolkit answers the first call's result: whether the host has a display.
        error = AtLine(menu.line, host::InitToolkit() ? "the add-on's dialog did not open"
                                                      : "the add-on's dialog did not open: no display");
        return false;
    }
    return true;
}
