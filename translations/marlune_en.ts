<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CliText</name>
    <message>
        <source>没有这个选项</source>
        <translation>no such option</translation>
    </message>
    <message>
        <source>这个选项不带值</source>
        <translation>this option takes no value</translation>
    </message>
    <message>
        <source>缺少值</source>
        <translation>value missing</translation>
    </message>
    <message>
        <source>只能给出一次</source>
        <translation>may be given only once</translation>
    </message>
    <message>
        <source>缺少这个参数</source>
        <translation>argument missing</translation>
    </message>
    <message>
        <source>多余的参数</source>
        <translation>argument not expected</translation>
    </message>
    <message>
        <source>必须给出这个选项</source>
        <translation>this option is required</translation>
    </message>
    <message>
        <source>“%1”不是 %2 到 %3 之间的整数</source>
        <translation>&quot;%1&quot; is not a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>这几个选项要一起给出</source>
        <translation>these options go together</translation>
    </message>
    <message>
        <source>%1（用法：marlune-cli %2）</source>
        <translation>%1 (usage: marlune-cli %2)</translation>
    </message>
    <message>
        <source>显示这个命令的帮助</source>
        <translation>show the help of this command</translation>
    </message>
    <message>
        <source>界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）；不给出时用 setting.ini 中 [Interface] 的 Language</source>
        <translation>interface language: zh (Chinese, the default), en (English) or system (the system&apos;s language); when not given, Language in the [Interface] section of setting.ini</translation>
    </message>
    <message>
        <source>显示命令一览</source>
        <translation>list the commands</translation>
    </message>
    <message>
        <source>显示版本</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>数量，1 到 9999，代替标签中存的数量</source>
        <translation>quantity, 1 to 9999, instead of the one stored in the label</translation>
    </message>
    <message>
        <source>取记录的工作簿（.xls 或 .xlsx）</source>
        <translation>workbook to take the record from (.xls or .xlsx)</translation>
    </message>
    <message>
        <source>工作簿中的工作表</source>
        <translation>sheet of the workbook</translation>
    </message>
    <message>
        <source>用第 K 条记录（从 1 数起）的值填写绑定到列的文本和条码；--workbook、--sheet、--record 一起给出</source>
        <translation>fill the texts and barcodes bound to a column with the values of record K (counting from 1); --workbook, --sheet and --record go together</translation>
    </message>
    <message>
        <source>最多等待应答的秒数，到时停止（退出码 2）；默认一直等待</source>
        <translation>seconds to wait at most for the reply, then stop (exit code 2); by default wait without limit</translation>
    </message>
    <message>
        <source>写出的标签文件</source>
        <translation>label file to write</translation>
    </message>
    <message>
        <source>写出的 PNG 图片</source>
        <translation>PNG picture to write</translation>
    </message>
    <message>
        <source>缩放：fit，或缩放列表的倍数 0.5、0.75、1、1.25、1.5、1.75、2、3、4、5（默认 1）</source>
        <translation>zoom: fit, or a factor of the zoom list: 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 3, 4, 5 (default 1)</translation>
    </message>
    <message>
        <source>屏幕分辨率，1 到 1200（默认 96）</source>
        <translation>screen resolution, 1 to 1200 (default 96)</translation>
    </message>
    <message>
        <source>fit 放入的区域，像素，宽和高都大于 30（默认 1200x800）</source>
        <translation>area that fit fills, in pixels, width and height both above 30 (default 1200x800)</translation>
    </message>
    <message>
        <source>不画选中标记和当前对象的框，得到干净的预览</source>
        <translation>leave out the selection marks and the current object&apos;s frame, for a clean preview</translation>
    </message>
    <message>
        <source>把打印机会收到的字节写入 FILE，不发送</source>
        <translation>write the bytes the printer would receive to FILE instead of sending them</translation>
    </message>
    <message>
        <source>打印端口：lpt1、com3、设备路径或文件名（默认标签中存的打印端口）</source>
        <translation>printer port: lpt1, com3, a device path or a file name (default: the printer port stored in the label)</translation>
    </message>
    <message>
        <source>出空白纸：只发标签头和发行命令</source>
        <translation>feed blank labels: send only the label header and the issue command</translation>
    </message>
    <message>
        <source>写出的新标签文件</source>
        <translation>new label file to write</translation>
    </message>
    <message>
        <source>标签的宽和高，毫米（默认 130x90）</source>
        <translation>width and height of the label in millimetres (default 130x90)</translation>
    </message>
    <message>
        <source>把雕刻机会收到的字节写入 FILE，不发送</source>
        <translation>write the bytes the cutter would receive to FILE instead of sending them</translation>
    </message>
    <message>
        <source>雕刻端口（默认标签中存的雕刻端口）</source>
        <translation>cutter port (default: the cutter port stored in the label)</translation>
    </message>
    <message>
        <source>波特率（默认标签中存的）</source>
        <translation>baud rate (default: the one stored in the label)</translation>
    </message>
    <message>
        <source>雕刻机送纸模式：雕刻机按标签间距送纸，按存的数量重复</source>
        <translation>cutter feed mode: the cutter feeds the paper by the label pitch and repeats for the stored quantity</translation>
    </message>
    <message>
        <source>打印端口（默认标签中存的）</source>
        <translation>printer port (default: the one stored in the label)</translation>
    </message>
    <message>
        <source>打印机回传状态的端口（默认标签中存的）</source>
        <translation>port of the printer&apos;s status echo (default: the one stored in the label)</translation>
    </message>
    <message>
        <source>雕刻端口（默认标签中存的）</source>
        <translation>cutter port (default: the one stored in the label)</translation>
    </message>
    <message>
        <source>代替标签中存的工作簿；与 --sheet、--records 一起给出</source>
        <translation>workbook instead of the one stored in the label; goes with --sheet and --records</translation>
    </message>
    <message>
        <source>代替标签中存的工作表</source>
        <translation>sheet instead of the one stored in the label</translation>
    </message>
    <message>
        <source>逐条打印工作表中记录范围内的记录（如 &quot;1,3-5&quot;），每个数量一遍</source>
        <translation>print the records of the sheet within the record range (such as &quot;1,3-5&quot;) one by one, the quantity of each</translation>
    </message>
    <message>
        <source>定时模式：等存的打印延时，不等打印机回传</source>
        <translation>timed mode: wait the stored print delay instead of the printer&apos;s status echo</translation>
    </message>
    <message>
        <source>每张标签最多等待打印机和雕刻机应答的秒数，到时停止（退出码 2）；默认一直等待</source>
        <translation>seconds to wait at most for the printer and the cutter to answer for each label, then stop (exit code 2); by default wait without limit</translation>
    </message>
    <message>
        <source>只输出按这个记录范围打印时用到的记录（如 &quot;1,3-5&quot;）</source>
        <translation>list only the records a print run with this record range uses (such as &quot;1,3-5&quot;)</translation>
    </message>
    <message>
        <source>把标签的设置和对象输出为一行 JSON。</source>
        <translation>Print the label&apos;s settings and objects as one line of JSON.</translation>
    </message>
    <message>
        <source>读入标签，按程序保存的格式重新写出；只读入一部分的标签不写。</source>
        <translation>Read the label and write it again as the program saves it; a label read only in part is not written.</translation>
    </message>
    <message>
        <source>按视图的样子把标签画成 PNG 图片。</source>
        <translation>Draw the label as the view shows it, into a PNG picture.</translation>
    </message>
    <message>
        <source>执行一次标签打印作业：把打印机命令流写入文件，或发送到打印端口。</source>
        <translation>Run one label print job: write the printer command stream to a file, or send it to the printer port.</translation>
    </message>
    <message>
        <source>输出从位图描出的雕刻轮廓，每行一个点 &quot;x,y&quot;（像素）。</source>
        <translation>Print the cut outline traced from a bitmap, one point &quot;x,y&quot; (pixels) per line.</translation>
    </message>
    <message>
        <source>把 DXF 图形的直线、圆弧、圆和椭圆作为雕刻对象导入一个新标签。</source>
        <translation>Import the lines, arcs, circles and ellipses of a DXF drawing into a new label as cut objects.</translation>
    </message>
    <message>
        <source>按标签中存的雕刻设置雕刻一次，并等待雕刻机应答；-o 改为把雕刻命令流写入文件。</source>
        <translation>Cut once with the cutter settings stored in the label and wait for the cutter&apos;s reply; -o writes the cutter command stream to a file instead.</translation>
    </message>
    <message>
        <source>按标签中存的设置打印雕刻：每张标签打印后等打印机回传状态（--timed 时等固定延时），再雕刻并等雕刻机应答；每雕完一张输出一行 &quot;label K: counter C&quot;。Ctrl+C 在下一次等待时停止。</source>
        <translation>Print and cut with the settings stored in the label: after each label is printed, wait for the printer&apos;s status echo (with --timed, a fixed delay), then cut and wait for the cutter&apos;s reply; after each label cut, print a line &quot;label K: counter C&quot;. Ctrl+C stops at the next wait.</translation>
    </message>
    <message>
        <source>列出工作簿的工作表名，每行一个。</source>
        <translation>List the sheet names of a workbook, one per line.</translation>
    </message>
    <message>
        <source>列出工作表的列名，每行一个。</source>
        <translation>List the column names of a sheet, one per line.</translation>
    </message>
    <message>
        <source>输出工作表的记录：序号，然后各列的值，用制表符分隔。</source>
        <translation>Print the records of a sheet: the number, then the value of each column, separated by tabs.</translation>
    </message>
    <message>
        <source>输出每个打印对象发给打印机的值：序号、Type 和值，用制表符分隔（存的值，或第 K 条记录的值）。</source>
        <translation>Print the value each print object sends to the printer: index, Type and value, separated by tabs (the stored values, or those of record K).</translation>
    </message>
    <message>
        <source>显示命令一览，或一个命令的帮助。</source>
        <translation>Show the list of commands, or the help of one command.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>done</translation>
    </message>
    <message>
        <source>没有开始：命令行有误，输入读不了或不对，或所选的记录一条也没有；什么也没有发给打印机和雕刻机</source>
        <translation>not started: a bad command line, an input that cannot be read or is wrong, or a selection without a record; nothing was sent to the printer or the cutter</translation>
    </message>
    <message>
        <source>开始了但没有完成：端口打不开或写不进，应答没有按时来或不是确认，或打印机报告故障</source>
        <translation>started but not finished: a port did not open or took no bytes, a reply did not come in time or was no acknowledgement, or the printer reported a fault</translation>
    </message>
    <message>
        <source>按 Ctrl+C 停止（被 SIGTERM 停止时为 143）</source>
        <translation>stopped with Ctrl+C (143 when stopped by SIGTERM)</translation>
    </message>
    <message>
        <source>文件不存在！</source>
        <translation>The file does not exist!</translation>
    </message>
    <message>
        <source>这是文件夹，不是文件</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>没有读这个文件的权限</source>
        <translation>no permission to read this file</translation>
    </message>
    <message>
        <source>这是文件夹，不能写成文件</source>
        <translation>this is a folder and cannot be written as a file</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在</source>
        <translation>the folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>没有写这个文件的权限</source>
        <translation>no permission to write this file</translation>
    </message>
    <message>
        <source>没有在文件夹“%1”中新建文件的权限</source>
        <translation>no permission to create a file in the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>退出码：</source>
        <translation>Exit codes:</translation>
    </message>
    <message>
        <source>用法：</source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>不开窗口执行标签机的作业。</source>
        <translation>Run the label machine&apos;s jobs without a window.</translation>
    </message>
    <message>
        <source>出错时在 stderr 输出一行：marlune-cli COMMAND: 出错的文件、端口、工作表或选项: 原因</source>
        <translation>A failure prints one line on stderr: marlune-cli COMMAND: the file, port, sheet or option that failed: reason</translation>
    </message>
    <message>
        <source>没有这个命令（命令一览见 marlune-cli --help）</source>
        <translation>no such command (marlune-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>命令：</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>示例：</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>注意：%1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>标签只读入了一部分：%1</source>
        <translation>the label was read only in part: %1</translation>
    </message>
    <message>
        <source>标签中存的数量“%1”不是 1 到 %2 之间的整数</source>
        <translation>the quantity &quot;%1&quot; stored in the label is not a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>“%1”不是整数</source>
        <translation>&quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>工作表“%1”没有第 %2 条记录（共 %3 条）。</source>
        <translation>The sheet &quot;%1&quot; has no record %2 (it has %3).</translation>
    </message>
    <message>
        <source>“%1”不是记录范围：%2</source>
        <translation>&quot;%1&quot; is not a record range: %2</translation>
    </message>
    <message>
        <source>“%1”在工作表“%2”的 %3 条记录中一条也没有选中</source>
        <translation>&quot;%1&quot; selects none of the %3 records of the sheet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>“%1”不是大于 0、最多 %2 的秒数</source>
        <translation>&quot;%1&quot; is not a number of seconds above 0 and at most %2</translation>
    </message>
    <message>
        <source>%1 秒内没有应答，已停止</source>
        <translation>no reply within %1 seconds, stopped</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>目前没有雕刻对象！</source>
        <translation>There are no cut objects yet!</translation>
    </message>
    <message>
        <source>写不进这个文件：%1</source>
        <translation>cannot write to this file: %1</translation>
    </message>
    <message>
        <source>等待雕刻机应答…</source>
        <translation>waiting for the cutter&apos;s reply…</translation>
    </message>
    <message>
        <source>雕刻机没有接受作业（应答“%1”）</source>
        <translation>the cutter did not accept the job (reply &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>雕刻端口没有打开</source>
        <translation>the cutter port did not open</translation>
    </message>
    <message>
        <source>雕刻端口是文件输出：雕刻命令流写进了这个文件，没有雕刻</source>
        <translation>the cutter port is the file output: the cutter command stream went into this file, nothing was cut</translation>
    </message>
    <message>
        <source>写不进这个文件</source>
        <translation>cannot write to this file</translation>
    </message>
    <message>
        <source>写文件时不用 --port、--baud 和 --timeout</source>
        <translation>--port, --baud and --timeout do not go with writing a file</translation>
    </message>
    <message>
        <source>“%1”不是标签大小：请给出宽x高（毫米），如 130x90</source>
        <translation>&quot;%1&quot; is not a label size: give width x height in millimetres, such as 130x90</translation>
    </message>
    <message>
        <source>只能给出其中一个</source>
        <translation>only one of them may be given</translation>
    </message>
    <message>
        <source>打印机没有收到标签</source>
        <translation>the printer did not receive the label</translation>
    </message>
    <message>
        <source>“%1”不是 fit、0.5、0.75、1、1.25、1.5、1.75、2、3、4、5 之一</source>
        <translation>&quot;%1&quot; is not one of fit, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 3, 4, 5</translation>
    </message>
    <message>
        <source>“%1”不是宽x高（像素，都大于 30）</source>
        <translation>&quot;%1&quot; is not width x height (pixels, both above 30)</translation>
    </message>
    <message>
        <source>缩放 %1 时标签是空的，或任一边超过 %2 像素</source>
        <translation>at zoom %1 the label is empty, or one of its sides exceeds %2 pixels</translation>
    </message>
    <message>
        <source>标签没有指定取记录的工作簿和工作表（可用 --workbook 和 --sheet 指定）</source>
        <translation>the label names no workbook and sheet to take records from (--workbook and --sheet name them)</translation>
    </message>
    <message>
        <source>第 %1 条记录：</source>
        <translation>record %1: </translation>
    </message>
    <message>
        <source>要和 --records 一起给出</source>
        <translation>goes with --records</translation>
    </message>
    <message>
        <source>等待打印机回传状态…</source>
        <translation>waiting for the printer&apos;s status echo…</translation>
    </message>
    <message>
        <source>（完成 %1 张标签）</source>
        <translation>(%1 labels done)</translation>
    </message>
    <message>
        <source>打印雕刻没有开始</source>
        <translation>print and cut did not start</translation>
    </message>
    <message>
        <source>打印机报告故障，或标签没有打印或没有雕刻</source>
        <translation>the printer reported a fault, or a label was not printed or not cut</translation>
    </message>
    <message>
        <source>注意：中间一行及以下没有黑线，描不出轮廓</source>
        <translation>Note: there are no black lines in the middle row or below it, no outline can be traced</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>没有“%1”这种界面语言：可选 zh、en 或 system</source>
        <translation>there is no interface language &quot;%1&quot;: choose zh, en or system</translation>
    </message>
</context>
<context>
    <name>LabelFileSession</name>
    <message>
        <source>文件尚未存盘。存盘吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>继续退出吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缺少“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”的值“%2”不正确</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取标签设置时%1，此项及其后的设置保持原来的值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签文件只读入了一部分：第%1个对象（%2）%3，该对象及其后的对象没有读入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存此标签只会写入已读入的内容。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualPage</name>
    <message>
        <source>Marlune 手册</source>
        <translation>Marlune Manual</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>参见</source>
        <translation>SEE ALSO</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>命令</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>退出状态</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>示例</source>
        <translation>EXAMPLES</translation>
    </message>
</context>
<context>
    <name>RecordTableModel</name>
    <message>
        <source>序号</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimText</name>
    <message>
        <source>收到 SIGTERM 或 SIGINT，或 --labels 张标签已打印雕刻</source>
        <translation>SIGTERM or SIGINT received, or the --labels labels have been printed and cut</translation>
    </message>
    <message>
        <source>伪终端或日志打不开</source>
        <translation>a pseudo-terminal or a log could not be opened</translation>
    </message>
    <message>
        <source>命令行有误</source>
        <translation>a bad command line</translation>
    </message>
    <message>
        <source>无法监视终止信号</source>
        <translation>cannot watch for termination signals</translation>
    </message>
    <message>
        <source>把打印端口收到的每个字节追加到 FILE</source>
        <translation>append every byte the printer port receives to FILE</translation>
    </message>
    <message>
        <source>把雕刻端口收到的每个字节追加到 FILE</source>
        <translation>append every byte the cutter port receives to FILE</translation>
    </message>
    <message>
        <source>从状态请求到回传状态的毫秒数（默认 100）</source>
        <translation>milliseconds from a status request to its report (default 100)</translation>
    </message>
    <message>
        <source>从雕刻命令流到应答的毫秒数（默认 100）</source>
        <translation>milliseconds from a cutter stream to its reply (default 100)</translation>
    </message>
    <message>
        <source>第 K 张标签回传故障</source>
        <translation>report a fault for label K</translation>
    </message>
    <message>
        <source>每次最终回传之前先发一次中间回传</source>
        <translation>send an interim report before each final one</translation>
    </message>
    <message>
        <source>回传和应答分两段发出</source>
        <translation>send reports and replies in two pieces</translation>
    </message>
    <message>
        <source>雕刻机应答 TEXT，不应答 {000}</source>
        <translation>the cutter replies TEXT instead of {000}</translation>
    </message>
    <message>
        <source>雕刻机从不应答</source>
        <translation>the cutter never replies</translation>
    </message>
    <message>
        <source>每次应答之前先发 300 字节线路噪声</source>
        <translation>send 300 bytes of line noise before each answer</translation>
    </message>
    <message>
        <source>收到第 K 张标签的端口关闭，不应答</source>
        <translation>close the port that receives label K instead of answering</translation>
    </message>
    <message>
        <source>打印雕刻完 N 张标签后退出</source>
        <translation>exit after N labels have been printed and cut</translation>
    </message>
    <message>
        <source>界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）</source>
        <translation>interface language: zh (Chinese, the default), en (English) or system (the system&apos;s language)</translation>
    </message>
    <message>
        <source>显示帮助</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>显示版本</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>要是不小于 %1 的整数，不是“%2”</source>
        <translation>needs a whole number of at least %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>供测试和没有设备的操作员使用的虚拟标签机</source>
        <translation>a virtual label machine for tests and for operators without hardware</translation>
    </message>
    <message>
        <source>在伪终端上模拟标签机：像打印机的状态端口和雕刻机那样应答。先输出 printer=PATH、status=PATH 和 cutter=PATH 三行，然后一直服务，直到收到 SIGTERM 或 SIGINT，或用 --labels 给出的张数打印雕刻完。</source>
        <translation>A virtual label machine on pseudo-terminals: it answers like the printer&apos;s status port and the cutter. It prints the three lines printer=PATH, status=PATH and cutter=PATH, then serves until SIGTERM or SIGINT, or until --labels labels have been printed and cut.</translation>
    </message>
    <message>
        <source>用法：</source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>多余的参数</source>
        <translation>argument not expected</translation>
    </message>
</context>
<context>
    <name>Tf_about</name>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VER 201710250000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tf_labelset</name>
    <message>
        <source>标签设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>锁定标签（标签上的内容都不可移动）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签方向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫米</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签宽：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用背景</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择背景文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景图像尺寸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景图像位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形文件 (*.bmp)|*.bmp|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择的文件必须是BMP文件！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拷贝到粘贴板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从粘贴板粘贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻圆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻半圆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻直线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻弧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻异形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>线段式刻方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入cad的dxf文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置闭合路径从此开始雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印矩形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印直线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印一维码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印QR码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印DM码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印Pdf417</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印图形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>允许打印雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>禁止打印雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移到最后打印雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缩小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全屏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刻绘</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印DataMatrix二维码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>线段刻方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入cad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置是否打印雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加刻绘项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加打印项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>伸缩</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全屏幕</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOstrel</name>
    <message>
        <source>打印雕刻窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本系统不能调用BarTender：标签由本程序直接发送打印命令打印。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>探头类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无探头</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑标模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>穿透模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预印刷穿透模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动阀值黑标模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否色带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>节省碳带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印头抬起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分辨率DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签旋转</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旋转打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镜像旋转打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否剪切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回传端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标签间距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫米</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进纸调整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印延时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偏移X坐标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偏移Y坐标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走纸模式打印(不传打印内容,只传打印命令,加快打印速度,适合打印内容不变的标签)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印后,标签机通过回传端口回传打印结果,打印正确后才雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调用BarTender打印标签</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BarTender文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻左边距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻上边距</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻延时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻后小车移动距离</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横坐标每毫米脉冲数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵坐标每毫米脉冲数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻开始字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻结束字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前找黑标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻后回到雕刻前位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指令雕刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前回传</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻机走纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻机黑标模式走纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车回左限位处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车回右限位处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车左右不动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小车左右</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车回前限位处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车回后限位处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻前小车前后不动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小车前后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用数据库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所选记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>例如：1，3-5，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻小车上移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻小车左移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻小车右移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻小车下移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移到黑标处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移到黑标处</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下刀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>执行命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映射LPT1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>执行打印命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计数数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清零</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出空白纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>雕刻(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印雕刻(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口设置完成。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以下端口没有设置好：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPT1 使用的打印机设备：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入计数器数值：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSelectRecord</name>
    <message>
        <source>选择记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所选择记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolWindowPanel</name>
    <message>
        <source>变换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相对位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫米</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按最后选择的对象对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按标签对齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>设计标签，打印并雕刻。</source>
        <translation>Design labels, print them and die-cut them.</translation>
    </message>
    <message>
        <source>界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）</source>
        <translation>Interface language: zh (Chinese, the default), en (English) or system (the system&apos;s language).</translation>
    </message>
    <message>
        <source>要打开的标签文件。</source>
        <translation>Label file to open.</translation>
    </message>
</context>
</TS>
