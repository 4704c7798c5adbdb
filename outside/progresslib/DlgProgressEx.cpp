#include "outside/progresslib/DlgProgressEx.h"

#include "platform/UiService.h"

void StartDlgProgressEx(RecDlgProgressEx progress)
{
    const platform::HWND parent = progress.Parent;
    platform::Ui().StartProgress({progress.Caption, progress.Text, progress.StepCount}, [parent] {
        if (parent != 0)
            platform::SendMessage(parent, WM_USER_PROGRESSCANCELEX, 0, 0);
    });
}

void SetDlgProgressEx(RecDlgProgressEx progress, int position)
{
    platform::Ui().SetProgress(position, {progress.Caption, progress.Text, progress.StepCount});
}

void StopDlgProgressEx()
{
    platform::Ui().StopProgress();
}
