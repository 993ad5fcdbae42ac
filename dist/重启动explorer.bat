@echo off
rem 重启动 Windows 资源管理器（Explorer）：结束卡住或死机的 explorer.exe，再重新启动它。
rem 由 Folvaric 的菜单“其他操作 → 重启动 Explorer”运行。重启之后在 Folvaric 中按“刷新”，
rem 受保护的文件夹就会重新打开。
rem Windows XP 家庭版没有 taskkill，这时改用 tskill。
taskkill /f /im explorer.exe >nul 2>nul || tskill explorer >nul 2>nul
rem 等两秒，让系统收拾好旧的 Explorer，再启动新的。
ping -n 3 127.0.0.1 >nul
start "" "%SystemRoot%\explorer.exe"
