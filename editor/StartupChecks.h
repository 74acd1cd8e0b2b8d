#pragma once

// The two checks start-up makes before any profile is read: where the game
// and its dedicated server are installed, which decides the "Publish To"
// targets, and whether files can be created in the working folder.

class Dialogs;
class EditorState;
class PublishTargetButtons;
class WinePrefix;

// Looks up the server's install, then the game's, creates their settings
// folders, records the publish paths in state and offers the matching
// targets. A settings folder that cannot be created for a reason the user is
// told about gets a message, the server's first; publishing there fails later
// with its own message. With state.workingFolderOnly set nothing is looked
// up or created and only the working folder is offered.
void FindPublishTargets(
    EditorState& state, PublishTargetButtons& buttons, Dialogs& dialogs, const WinePrefix& prefix);

// Whether a new file can be created in the working folder: creates
// "quavel.tst" there, never over an existing one, and removes it at once.
bool CanCreateFilesInWorkingFolder();
