#include "outside/progresslib/DlgProgress.h"

#include "platform/UiService.h"

void StartDlgProgress(RecDlgProgress progress)
{
    const platform::HWND owner = progress.Owner;
    platform::Ui().StartProgress({progress.Caption, progress.Text, progress.StepCount}, [owner] {
        if (owner != 0)
            platform::PostMessage(owner, WM_USER_PROGRESSCANCEL, 0, 1);
    });
}

void SetDlgProgress(int step, RecDlgProgress progress)
{
    platform::Ui().SetProgress(step, {progress.Caption, progress.Text, progress.StepCount});
}

void StopDlgProgress()
{
    platform::Ui().StopProgress();
}
