#pragma once

// Answers the session's questions from a script that the test writes
// beforehand and logs everything the session showed, in order. A question
// the script has no answer for fails the test.

#include "session/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ScriptedDialogs : public Dialogs {
public:
    MessageAnswer ShowApplicationMessage(const std::string& text, MessageButtons buttons) override
    {
        log.push_back("application: " + text);
        if (whileAsked)
            whileAsked();
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return Take(answers, MessageAnswer::No);
    }
    void ShowWindowMessage(const std::string& title, const std::string& text) override
    {
        log.push_back("window: " + title + " | " + text);
        if (whileAsked)
            whileAsked();
    }
    std::optional<std::string> AskSaveFileName(const std::string& startFolder) override
    {
        log.push_back("save dialog in: " + startFolder);
        return Take(fileNames, std::optional<std::string>());
    }
    std::optional<std::string> AskFolder(
        const std::string& caption, const std::string& startFolder) override
    {
        log.push_back("folder dialog: " + caption + " | " + startFolder);
        return Take(folders, std::optional<std::string>());
    }
    std::optional<std::string> AskText(
        const std::string& caption, const std::string& prompt) override
    {
        log.push_back("prompt: " + caption + " | " + prompt);
        return Take(texts, std::optional<std::string>());
    }

    std::vector<TransportResult> WatchPublish(
        const std::vector<std::string>& labels, const WatchedPublish& publish) override
    {
        return watching ? watching(publish) : Dialogs::WatchPublish(labels, publish);
    }

    // What other programs do while a message or a question waits for the user.
    std::function<void()> whileAsked;
    // The front-end's watch over a publish to servers; empty: it just runs.
    std::function<std::vector<TransportResult>(const WatchedPublish&)> watching;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> fileNames;  // none: the dialog is cancelled
    std::deque<std::optional<std::string>> folders;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> log;

private:
    template <class Item> static Item Take(std::deque<Item>& script, Item unanswered)
    {
        if (script.empty()) {
            ADD_FAILURE() << "unanswered question";
            return unanswered;
        }
        Item item = script.front();
        script.pop_front();
        return item;
    }
};
