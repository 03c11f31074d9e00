<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BoxDialog</name>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>每行几列</source>
        <translation>Columns per row</translation>
    </message>
    <message>
        <source>每页几行</source>
        <translation>Rows per page</translation>
    </message>
    <message>
        <source>水平间距</source>
        <translation>Horizontal gap</translation>
    </message>
    <message>
        <source>垂直间距</source>
        <translation>Vertical gap</translation>
    </message>
</context>
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
        <source>雕刻端口（默认标签中存的）</source>
        <translation>cutter port (default: the one stored in the label)</translation>
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
    <message>
        <source>作业结束时把递增后的序列号和计数数量写回标签文件；不给出时标签文件不变</source>
        <translation>when the job ends, write the stepped serial numbers and the counter back into the label file; without it the label file stays as it is</translation>
    </message>
    <message>
        <source>注意：序列号递增了，但没有写回标签文件，下次仍从原来的值开始（加 --save 写回）</source>
        <translation>Note: the serial numbers were stepped but not written back into the label file, so the next job starts from the old values again (add --save to write them back)</translation>
    </message>
    <message>
        <source>序列号和计数数量没有写回标签文件：%1</source>
        <translation>the serial numbers and the counter were not written back into the label file: %1</translation>
    </message>
    <message>
        <source>写出的 PNG 图片（--svg 时为 SVG 图）</source>
        <translation>PNG picture to write (an SVG drawing with --svg)</translation>
    </message>
    <message>
        <source>只写出雕刻刀路，SVG 图，单位为雕刻机脉冲</source>
        <translation>write only the cut path, as an SVG drawing in cutter pulses</translation>
    </message>
    <message>
        <source>把打印作业和雕刻作业会发送的命令流读回来，画出打印机打出的标签（打印机分辨率，每点一位），上面画出刀路：下刀实线，抬刀空走虚线，起点画圈；--svg 只写出刀路。标准输出列出两台机器的设置命令；有画不出的命令时逐条写在标准错误上，图照样写出，退出码 2。</source>
        <translation>Read back the command streams the print job and the cut job would send and draw the label as the printer prints it (at the printer&apos;s resolution, one bit per dot) with the cut path over it: knife down as solid lines, knife-up travel dashed, each start circled; --svg writes only the cut path. Standard output lists both machines&apos; setting commands; commands that cannot be drawn are listed on standard error one by one, the picture is written all the same, exit code 2.</translation>
    </message>
    <message>
        <source>开始了但没有完成：端口打不开或写不进，应答没有按时来或不是确认，或打印机报告故障，或 --save 写不回标签文件；预览中有画不出的命令</source>
        <translation>started but not finished: a port did not open or took no bytes, a reply did not come in time or was no acknowledgement, the printer reported a fault, or --save could not write the label file back; in a preview, commands that cannot be drawn</translation>
    </message>
    <message>
        <source>取记录的工作簿（.xls、.xlsx、.ods 或 .csv）</source>
        <translation>workbook to take the record from (.xls, .xlsx, .ods or .csv)</translation>
    </message>
    <message>
        <source>打印端口：lpt1、com3、tcp://主机:端口（不写端口时为 9100）、设备路径或文件名（默认标签中存的打印端口）</source>
        <translation>printer port: lpt1, com3, tcp://HOST:PORT (port 9100 when left out), a device path or a file name (default: the printer port stored in the label)</translation>
    </message>
    <message>
        <source>打印端口，也可以是 tcp://主机:端口（默认标签中存的）</source>
        <translation>printer port, also tcp://HOST:PORT (default: the one stored in the label)</translation>
    </message>
    <message>
        <source>打印机回传状态的端口（默认标签中存的）；网络打印机从打印的连接回传，不用这个端口</source>
        <translation>port of the printer&apos;s status echo (default: the one stored in the label); a network printer reports over the printing connection instead</translation>
    </message>
    <message>
        <source>代替标签中存的工作簿（.xls、.xlsx、.ods 或 .csv）；与 --sheet、--records 一起给出</source>
        <translation>workbook instead of the one stored in the label (.xls, .xlsx, .ods or .csv); goes with --sheet and --records</translation>
    </message>
    <message>
        <source>列出工作簿的工作表名，每行一个（.csv 文件只有一个工作表，名字是文件名去掉扩展名）。</source>
        <translation>List the sheet names of a workbook, one per line (a .csv file has one sheet, named after the file without its extension).</translation>
    </message>
</context>
<context>
    <name>CutterText</name>
    <message>
        <source>刀路超过 %1 个点，从这里起没有画出</source>
        <translation>the knife path has more than %1 points; not drawn from here on</translation>
    </message>
    <message>
        <source>从 %1° 到 %2° 的弧转过的角度超过 %3 度，无法雕刻。</source>
        <translation>The arc from %1° to %2° turns more than %3 degrees and cannot be cut.</translation>
    </message>
    <message>
        <source>位图“%1”中找不到轮廓：请画一条一像素宽的黑线，到达图片中间一行或在它下面。</source>
        <translation>No outline was found in the bitmap &quot;%1&quot;: draw it as a black line one pixel wide that reaches the picture&apos;s middle row or lies below it.</translation>
    </message>
    <message>
        <source>DXF文件中的图元超过%1个，无法导入。</source>
        <translation>The DXF file holds more than %1 entities and cannot be imported.</translation>
    </message>
    <message>
        <source>DXF文件中没有可导入的直线、圆弧、圆或椭圆。</source>
        <translation>The DXF file holds no lines, arcs, circles or ellipses to import.</translation>
    </message>
    <message>
        <source>无法打开DXF文件“%1”：%2</source>
        <translation>Cannot open the DXF file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>DXF文件第%2行的“%1”不是数字</source>
        <translation>&quot;%1&quot; on line %2 of the DXF file is not a number</translation>
    </message>
    <message>
        <source>DXF文件第%2行的数值“%1”超出范围</source>
        <translation>The value &quot;%1&quot; on line %2 of the DXF file is out of range</translation>
    </message>
    <message>
        <source>这是二进制格式的DXF文件，无法导入；请在CAD程序中另存为文本格式（ASCII）的DXF文件。</source>
        <translation>This is a binary DXF file and cannot be imported; save it from the CAD program as a text (ASCII) DXF file.</translation>
    </message>
    <message>
        <source>不是DXF图形文件</source>
        <translation>not a DXF drawing</translation>
    </message>
    <message>
        <source>DXF文件头中没有图形范围（$EXTMIN或$EXTMAX），缺少的偏移按0计算。</source>
        <translation>The DXF file&apos;s header has no drawing extents ($EXTMIN or $EXTMAX); the missing offset counts as 0.</translation>
    </message>
    <message>
        <source>DXF文件在第%1行意外结束，最后一个%2图元没有导入。</source>
        <translation>The DXF file ends unexpectedly on line %1; the last %2 entity was not imported.</translation>
    </message>
    <message>
        <source>标签间隙不能小于0！</source>
        <translation>The label gap cannot be less than 0!</translation>
    </message>
    <message>
        <source>写雕刻端口错误：抬刀命令没有送到雕刻机（%1），刀可能还在下面，请检查雕刻机！</source>
        <translation>Cutter port write error: the knife-up command did not reach the cutter (%1); the knife may still be down, check the cutter!</translation>
    </message>
    <message>
        <source>写雕刻端口错误：下刀命令没有全部送到雕刻机（%1），已发送抬刀命令。</source>
        <translation>Cutter port write error: the knife-down command did not fully reach the cutter (%1); the knife-up command was sent.</translation>
    </message>
    <message>
        <source>正在打印雕刻，请先停止再手动操作雕刻机！</source>
        <translation>Print and cut is running: stop it before working the cutter by hand!</translation>
    </message>
    <message>
        <source>正在测试下刀，请等刀抬起后再操作！</source>
        <translation>The knife test is running: wait until the knife is up again!</translation>
    </message>
    <message>
        <source>请输入雕刻命令！</source>
        <translation>Enter a cutter command!</translation>
    </message>
    <message>
        <source>内存不足，无法描出位图“%1”（%2 × %3 像素）的轮廓。</source>
        <translation>There is not enough memory to trace the bitmap &quot;%1&quot; (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>请先选择一条直线或弧线！</source>
        <translation>Select a line or an arc first!</translation>
    </message>
    <message>
        <source> 左边线必须大于圆角，小于高度与圆角之差！</source>
        <translation> The left line must be longer than the corner radius and shorter than the height less the radius!</translation>
    </message>
    <message>
        <source> 下边线必须大于圆角，小于宽度与圆角之差！</source>
        <translation> The bottom line must be longer than the corner radius and shorter than the width less the radius!</translation>
    </message>
    <message>
        <source> 右边线必须大于圆角，小于高度与圆角之差！</source>
        <translation> The right line must be longer than the corner radius and shorter than the height less the radius!</translation>
    </message>
    <message>
        <source> 上边线必须大于圆角，小于宽度与圆角之差！</source>
        <translation> The top line must be longer than the corner radius and shorter than the width less the radius!</translation>
    </message>
    <message>
        <source>雕刻延时必须大于等于0！</source>
        <translation>The cut delay must be 0 or more!</translation>
    </message>
    <message>
        <source> 接头偏移必须在-10--10之间！</source>
        <translation> The joint offset must be between -10 and 10!</translation>
    </message>
    <message>
        <source> 圆角必须大于0，小于高度的一半，小于宽度的一半！</source>
        <translation> The corner radius must be above 0 and below half the height and half the width!</translation>
    </message>
    <message>
        <source>接头必须大于等于0，小于高度！</source>
        <translation>The joint must be 0 or more and less than the height!</translation>
    </message>
    <message>
        <source>接头必须大于等于0，小于宽度！</source>
        <translation>The joint must be 0 or more and less than the width!</translation>
    </message>
    <message>
        <source>写雕刻端口错误：雕刻机（%1）没有收到全部命令。</source>
        <translation>Cutter port write error: the cutter (%1) did not receive all commands.</translation>
    </message>
    <message>
        <source>雕刻时，打开通信端口错误!!</source>
        <translation>Cutting: error opening the communication port!!</translation>
    </message>
    <message>
        <source>雕刻刀路（单位：雕刻机脉冲）</source>
        <translation>Cut path (in cutter pulses)</translation>
    </message>
    <message>
        <source>没有画出：</source>
        <translation>Not drawn: </translation>
    </message>
    <message>
        <source>开始（另一种开始文本）</source>
        <translation>start (the other start text)</translation>
    </message>
    <message>
        <source>数据流没有以“@”结束，雕刻机不会执行最后这组命令</source>
        <translation>the stream does not end with &quot;@&quot;: the cutter will not carry out this last group of commands</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>end</translation>
    </message>
    <message>
        <source>每毫米脉冲数：纵 %1，横 %2</source>
        <translation>pulses per millimetre: vertical %1, horizontal %2</translation>
    </message>
    <message>
        <source>雕刻机走纸 %1 毫米%2</source>
        <translation>cutter feeds the paper %1 mm%2</translation>
    </message>
    <message>
        <source>，按黑标</source>
        <translation>, to the black mark</translation>
    </message>
    <message>
        <source>在这里回传应答</source>
        <translation>reply here</translation>
    </message>
    <message>
        <source>小车回左限位</source>
        <translation>carriage to the left limit</translation>
    </message>
    <message>
        <source>小车回后限位</source>
        <translation>carriage to the back limit</translation>
    </message>
    <message>
        <source>小车回右限位</source>
        <translation>carriage to the right limit</translation>
    </message>
    <message>
        <source>小车回前限位</source>
        <translation>carriage to the front limit</translation>
    </message>
    <message>
        <source>回到雕刻前的位置</source>
        <translation>back to the position before cutting</translation>
    </message>
    <message>
        <source>不认识的雕刻命令</source>
        <translation>unknown cutter command</translation>
    </message>
    <message>
        <source>雕刻速度代码 %1</source>
        <translation>cutting speed code %1</translation>
    </message>
    <message>
        <source>空走速度代码 %1</source>
        <translation>travel speed code %1</translation>
    </message>
    <message>
        <source>雕刻前找黑标</source>
        <translation>find the black mark before cutting</translation>
    </message>
    <message>
        <source>走纸 %1</source>
        <translation>feed %1</translation>
    </message>
    <message>
        <source>走纸（另一种结束文本）</source>
        <translation>feed (the other end text)</translation>
    </message>
    <message>
        <source>雕刻后小车移动 %1 毫米</source>
        <translation>carriage moves %1 mm after cutting</translation>
    </message>
    <message>
        <source>数量 %1</source>
        <translation>quantity %1</translation>
    </message>
    <message>
        <source>停止命令 B%1（打印故障时发送）</source>
        <translation>stop command B%1 (sent on a printer fault)</translation>
    </message>
    <message>
        <source>停顿</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>不认识的雕刻命令，没有画出</source>
        <translation>unknown cutter command, not drawn</translation>
    </message>
    <message>
        <source>路径点的格式不对，没有画出</source>
        <translation>malformed path point, not drawn</translation>
    </message>
    <message>
        <source>之前没有每毫米脉冲数命令“Q”，毫米坐标无法换算，没有画出</source>
        <translation>no pulses-per-millimetre command &quot;Q&quot; before it: the millimetre coordinates cannot be converted, not drawn</translation>
    </message>
    <message>
        <source>雕刻命令的参数不对，没有画出</source>
        <translation>wrong cutter command parameters, not drawn</translation>
    </message>
    <message>
        <source>圆弧转的圈数太多，没有画出</source>
        <translation>the arc turns too many times, not drawn</translation>
    </message>
</context>
<context>
    <name>DataText</name>
    <message>
        <source>工作表“%1”太大：已用区域 %2 行 × %3 列，超过 %4 个单元格，无法读取。</source>
        <translation>The sheet &quot;%1&quot; is too large: its used range of %2 rows × %3 columns exceeds %4 cells; it cannot be read.</translation>
    </message>
    <message>
        <source>“%1”不是有效的整数</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>没有打开的工作表。</source>
        <translation>No sheet is open.</translation>
    </message>
    <message>
        <source>工作表中找不到列“%1”。</source>
        <translation>The sheet has no column &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>没有第 %1 条记录。</source>
        <translation>There is no record %1.</translation>
    </message>
    <message>
        <source>“%1”不是有效的日期和时间</source>
        <translation>&apos;%1&apos; is not a valid date and time</translation>
    </message>
    <message>
        <source>找不到工作表“%1”。</source>
        <translation>The sheet &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>找不到文件“%1”。</source>
        <translation>The file &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”。</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>工作簿“%1”太大，内存不足，无法读取。</source>
        <translation>The workbook &quot;%1&quot; is too large for the memory and cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”不是Excel工作簿，或已加密，无法读取。</source>
        <translation>The file &quot;%1&quot; is not an Excel workbook, or it is encrypted, and cannot be read.</translation>
    </message>
    <message>
        <source>工作簿“%1”已加密，无法读取。</source>
        <translation>The workbook &quot;%1&quot; is encrypted and cannot be read.</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏，无法读取（FreeXL 错误 %2）。</source>
        <translation>The workbook &quot;%1&quot; is damaged and cannot be read (FreeXL error %2).</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏，无法读取。</source>
        <translation>The workbook &quot;%1&quot; is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>无法启动读取程序“%1”，无法读取工作簿“%2”。</source>
        <translation>The reader &quot;%1&quot; cannot be started, so the workbook &quot;%2&quot; cannot be read.</translation>
    </message>
    <message>
        <source>读取工作簿“%1”超时（%2 秒），文件可能已损坏。</source>
        <translation>Reading the workbook &quot;%1&quot; took too long (%2 seconds); the file may be damaged.</translation>
    </message>
    <message>
        <source>工作簿“%1”太大（超过 %2 MB），无法读取。</source>
        <translation>The workbook &quot;%1&quot; is too large (over %2 MB) and cannot be read.</translation>
    </message>
    <message>
        <source>内存不足，无法读取工作簿“%1”。</source>
        <translation>There is not enough memory to read the workbook &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>XML 格式错误</source>
        <translation>malformed XML</translation>
    </message>
    <message>
        <source>行号“%1”无效</source>
        <translation>row number &quot;%1&quot; is invalid</translation>
    </message>
    <message>
        <source>单元格引用“%1”无效</source>
        <translation>cell reference &quot;%1&quot; is invalid</translation>
    </message>
    <message>
        <source>单元格引用“%1”超出工作表</source>
        <translation>cell reference &quot;%1&quot; lies outside the sheet</translation>
    </message>
    <message>
        <source>共享字符串“%1”不存在</source>
        <translation>shared string &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏：工作表“%2”没有数据。</source>
        <translation>The workbook &quot;%1&quot; is damaged: the sheet &quot;%2&quot; has no data.</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏：“%2”第 %3 行：%4</source>
        <translation>The workbook &quot;%1&quot; is damaged: &quot;%2&quot; line %3: %4</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏：无法读取其中的“%2”。</source>
        <translation>The workbook &quot;%1&quot; is damaged: its part &quot;%2&quot; cannot be read.</translation>
    </message>
    <message>
        <source>工作簿“%1”已损坏：缺少“%2”。</source>
        <translation>The workbook &quot;%1&quot; is damaged: &quot;%2&quot; is missing.</translation>
    </message>
    <message>
        <source>工作簿“%1”中的“%2”太大（超过 %3 MB），无法读取。</source>
        <translation>The part &quot;%2&quot; of the workbook &quot;%1&quot; is too large (over %3 MB) and cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”不是%2，或已损坏，无法读取。</source>
        <translation>The file &quot;%1&quot; is not an %2, or it is damaged, and cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”第 %2 行：引号没有结束，无法读取。</source>
        <translation>The file &quot;%1&quot;, line %2: a quote is not closed; the file cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”第 %2 行：超过 %3 列，无法读取。</source>
        <translation>The file &quot;%1&quot;, line %2: more than %3 columns; the file cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”不是 UTF-8 或 GBK 编码的文本，无法读取。</source>
        <translation>The file &quot;%1&quot; is not text in UTF-8 or GBK and cannot be read.</translation>
    </message>
    <message>
        <source>文件“%1”只有一个工作表“%2”。</source>
        <translation>The file &quot;%1&quot; has one sheet only, &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>The file &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>文件“%1”太大（超过 %2 MB），无法读取。</source>
        <translation>The file &quot;%1&quot; is too large (over %2 MB) and cannot be read.</translation>
    </message>
    <message>
        <source>重复次数“%1”无效</source>
        <translation>repeat count &quot;%1&quot; is invalid</translation>
    </message>
    <message>
        <source>第 %1 列超出工作表（最多 %2 列）</source>
        <translation>column %1 lies outside the sheet (at most %2 columns)</translation>
    </message>
    <message>
        <source>第 %1 行超出工作表（最多 %2 行）</source>
        <translation>row %1 lies outside the sheet (at most %2 rows)</translation>
    </message>
    <message>
        <source>OpenDocument电子表格（.ods）</source>
        <translation>OpenDocument spreadsheet (.ods)</translation>
    </message>
    <message>
        <source>Excel工作簿（.xlsx）</source>
        <translation>Excel workbook (.xlsx)</translation>
    </message>
</context>
<context>
    <name>FileText</name>
    <message>
        <source>“%1”不是可用的缩放比例</source>
        <translation>&apos;%1&apos; is not a usable zoom</translation>
    </message>
    <message>
        <source>缺少“%1”</source>
        <translation>&apos;%1&apos; is missing</translation>
    </message>
    <message>
        <source>“%1”：%2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>设置只读到：%1</source>
        <translation>settings read up to %1</translation>
    </message>
    <message>
        <source>读到第 %1 个对象（%2）时停止：%3；它和它后面的对象都没有读入</source>
        <translation>reading stopped at object %1 (%2): %3; it and the objects after it were not loaded</translation>
    </message>
    <message>
        <source>%1: 不是标签文件</source>
        <translation>%1: not a label file</translation>
    </message>
    <message>
        <source>%1: 根元素中没有标签</source>
        <translation>%1: the root element holds no label</translation>
    </message>
    <message>
        <source>文件不存在！</source>
        <translation>The file does not exist!</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 字节，太大，不是标签文件</source>
        <translation>%1: %2 bytes is far too large for a label file</translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>“%1”超出 %2 的范围</source>
        <translation>&apos;%1&apos; is out of range for %2</translation>
    </message>
    <message>
        <source>无法把标签保存到 %1：%2</source>
        <translation>Cannot save the label to %1: %2</translation>
    </message>
    <message>
        <source>无法把最近文件列表写入 %1</source>
        <translation>Cannot write the recent-file list to %1</translation>
    </message>
    <message>
        <source>%1: 文件太大，不是标签文件</source>
        <translation>%1: far too large for a label file</translation>
    </message>
    <message>
        <source>%1: 内存不足</source>
        <translation>%1: out of memory</translation>
    </message>
    <message>
        <source>XML 格式错误</source>
        <translation>not well-formed XML</translation>
    </message>
    <message>
        <source>%1: 不是可读的 XML 文件（第 %2 行：%3）</source>
        <translation>%1: not a readable XML file (line %2: %3)</translation>
    </message>
    <message>
        <source>%1: 含有文档类型声明，标签文件从不含有</source>
        <translation>%1: holds a document type declaration, which a label file never has</translation>
    </message>
    <message>
        <source>标签无法按 GB2312 编码</source>
        <translation>the label could not be encoded as GB2312</translation>
    </message>
</context>
<context>
    <name>FontSamplePanel</name>
    <message>
        <source>粗体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>字体示例</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
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
    <name>JobText</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>写入雕刻文件错误：%1</source>
        <translation>Error writing the cutter file: %1</translation>
    </message>
    <message>
        <source>“%1”不是有效的日期</source>
        <translation>&quot;%1&quot; is not a valid date</translation>
    </message>
    <message>
        <source>目前没有雕刻对象！</source>
        <translation>There are no cut objects yet!</translation>
    </message>
    <message>
        <source>雕刻端口不能与回传端口相同！</source>
        <translation>The cutter port cannot be the same as the status port!</translation>
    </message>
    <message>
        <source>雕刻端口不能与打印端口相同！</source>
        <translation>The cutter port cannot be the same as the printer port!</translation>
    </message>
    <message>
        <source>数量必须大于0！</source>
        <translation>The quantity must be above 0!</translation>
    </message>
    <message>
        <source>外部标签程序没有打开格式文件，不能通过它打印。</source>
        <translation>The outside label program has no format file open and cannot print.</translation>
    </message>
    <message>
        <source>无法创建自动化对象“%1”：本系统不支持自动化调用</source>
        <translation>Cannot create the automation object &quot;%1&quot;: this system has no automation</translation>
    </message>
    <message>
        <source>选择的文件必须是BarTender文件！</source>
        <translation>The chosen file must be a BarTender file!</translation>
    </message>
    <message>
        <source>未打开标签格式文件</source>
        <translation>No label format file is open</translation>
    </message>
    <message>
        <source>确定要把计数器清零吗？</source>
        <translation>Reset the counter to zero?</translation>
    </message>
    <message>
        <source>请输入整型数值！</source>
        <translation>Enter a whole number!</translation>
    </message>
    <message>
        <source>请选择打印机设备！</source>
        <translation>Choose a printer device!</translation>
    </message>
    <message>
        <source>找不到设备 %1，请检查打印机是否已连接！</source>
        <translation>The device %1 cannot be found; check that the printer is connected!</translation>
    </message>
    <message>
        <source>无法写入 %1，LPT1 没有映射。</source>
        <translation>Cannot write %1; LPT1 was not mapped.</translation>
    </message>
    <message>
        <source>LPT1 已映射到 %1。</source>
        <translation>LPT1 is mapped to %1.</translation>
    </message>
    <message>
        <source>打印数量大于10，您确定要打印吗？</source>
        <translation>The quantity is more than 10. Print them all?</translation>
    </message>
    <message>
        <source>打印数量必须是1到9999之间的整数！</source>
        <translation>The quantity must be a whole number from 1 to 9999!</translation>
    </message>
    <message>
        <source>请输入打印命令！</source>
        <translation>Enter a printer command!</translation>
    </message>
    <message>
        <source>打开打印端口错误</source>
        <translation>Error opening the printer port</translation>
    </message>
    <message>
        <source>写打印端口错误：打印机（%1）没有收到全部打印命令，这张标签没有计入。</source>
        <translation>Printer port write error: the printer (%1) did not receive all print commands; this label was not counted.</translation>
    </message>
    <message>
        <source>找不到字段“%1”</source>
        <translation>The field &quot;%1&quot; cannot be found</translation>
    </message>
    <message>
        <source>字段“%1”不是有效的日期</source>
        <translation>The field &quot;%1&quot; is not a valid date</translation>
    </message>
    <message>
        <source>无法打开日志 %1：%2</source>
        <translation>cannot open the log %1: %2</translation>
    </message>
    <message>
        <source>打印：打印任务在这里中断，标签不会打印：%1</source>
        <translation>Printing: the print job stops here and the label will not print: %1</translation>
    </message>
    <message>
        <source>雕刻：雕刻任务什么也不会发送：%1</source>
        <translation>Cutting: the cut job will send nothing: %1</translation>
    </message>
    <message>
        <source>打印：</source>
        <translation>Printing: </translation>
    </message>
    <message>
        <source>雕刻：</source>
        <translation>Cutting: </translation>
    </message>
    <message>
        <source>: 没有可画的标签</source>
        <translation>: no label to draw</translation>
    </message>
    <message>
        <source>%1: 写不进 %2：%3</source>
        <translation>%1: cannot write to %2: %3</translation>
    </message>
    <message>
        <source>无法建立图片文件夹 %1</source>
        <translation>cannot make the picture folder %1</translation>
    </message>
    <message>
        <source>无法在 127.0.0.1:%1 上监听：%2</source>
        <translation>cannot listen on 127.0.0.1:%1: %2</translation>
    </message>
</context>
<context>
    <name>LabelFileSession</name>
    <message>
        <source>文件尚未存盘。存盘吗？</source>
        <translation>The file has not been saved. Save it?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>继续退出吗？</source>
        <translation>Exit anyway?</translation>
    </message>
    <message>
        <source>缺少“%1”</source>
        <translation>&quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>“%1”的值“%2”不正确</source>
        <translation>the value &quot;%2&quot; of &quot;%1&quot; is not right</translation>
    </message>
    <message>
        <source>读取标签设置时%1，此项及其后的设置保持原来的值。</source>
        <translation>While reading the label settings, %1; this setting and those after it keep their previous values.</translation>
    </message>
    <message>
        <source>标签文件只读入了一部分：第%1个对象（%2）%3，该对象及其后的对象没有读入。</source>
        <translation>The label file was read only in part: object %1 (%2): %3; it and the objects after it were not loaded.</translation>
    </message>
    <message>
        <source>保存此标签只会写入已读入的内容。</source>
        <translation>Saving this label writes only what was read.</translation>
    </message>
</context>
<context>
    <name>LabelPreviewWindow</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>标签预览</source>
        <translation>Label Preview</translation>
    </message>
    <message>
        <source>打印机和雕刻机的设置、不能画出的命令</source>
        <translation>Printer and cutter settings, commands that cannot be drawn</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>记录 %1</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source>标签中存储的数值</source>
        <translation>Values stored in the label</translation>
    </message>
    <message>
        <source>%1；每个像素是一个打印点（%2 DPI）</source>
        <translation>%1; each pixel is one printed dot (%2 DPI)</translation>
    </message>
    <message>
        <source>打印机 %1：%2</source>
        <translation>Printer %1: %2</translation>
    </message>
    <message>
        <source>雕刻机 %1：%2</source>
        <translation>Cutter %1: %2</translation>
    </message>
</context>
<context>
    <name>LineEndsDialog</name>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>起点X</source>
        <translation>Start X</translation>
    </message>
    <message>
        <source>起点Y</source>
        <translation>Start Y</translation>
    </message>
    <message>
        <source>终点X</source>
        <translation>End X</translation>
    </message>
    <message>
        <source>终点Y</source>
        <translation>End Y</translation>
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
    <name>MatrixCodeDialog</name>
    <message>
        <source>名    称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>条 码 值</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>MatrixCodeForms</name>
    <message>
        <source>条码字符不能为空！</source>
        <translation>The code&apos;s data cannot be empty!</translation>
    </message>
    <message>
        <source>条码宽度不能为空！</source>
        <translation>The module width cannot be empty!</translation>
    </message>
    <message>
        <source>高密度级</source>
        <translation>High density (L)</translation>
    </message>
    <message>
        <source>标准级</source>
        <translation>Standard (M)</translation>
    </message>
    <message>
        <source>可靠级</source>
        <translation>Reliable (Q)</translation>
    </message>
    <message>
        <source>高可靠级</source>
        <translation>High reliability (H)</translation>
    </message>
</context>
<context>
    <name>ModelText</name>
    <message>
        <source>位图文件“%1”不存在。</source>
        <translation>The bitmap file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>无法打开位图文件“%1”：%2</source>
        <translation>The bitmap file &quot;%1&quot; cannot be opened: %2</translation>
    </message>
    <message>
        <source>这是文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>“%1”不是位图（BMP）文件。</source>
        <translation>&quot;%1&quot; is not a bitmap (BMP) file.</translation>
    </message>
    <message>
        <source>位图文件“%1”（%2 × %3 像素）已损坏或太大，无法读入。</source>
        <translation>The bitmap file &quot;%1&quot; (%2 × %3 pixels) cannot be loaded: it is damaged or too large.</translation>
    </message>
    <message>
        <source>位图文件“%1”已损坏。</source>
        <translation>The bitmap file &quot;%1&quot; is damaged.</translation>
    </message>
    <message>
        <source>“%1”不是有效的整数</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>“%1”不是有效的数值</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>第 %1 字节：%2</source>
        <translation>byte %1: %2</translation>
    </message>
    <message>
        <source>第 %1 字节 “%2”：%3</source>
        <translation>byte %1 &quot;%2&quot;: %3</translation>
    </message>
</context>
<context>
    <name>ObjectDialog</name>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>逆时针</source>
        <translation>Counter-clockwise</translation>
    </message>
    <message>
        <source>顺时针</source>
        <translation>Clockwise</translation>
    </message>
</context>
<context>
    <name>ObjectForms</name>
    <message>
        <source>文件名不能为空！</source>
        <translation>The file name cannot be empty!</translation>
    </message>
    <message>
        <source>横坐标必须大于0！</source>
        <translation>X must be above 0!</translation>
    </message>
    <message>
        <source>纵坐标必须大于0！</source>
        <translation>Y must be above 0!</translation>
    </message>
    <message>
        <source>宽度必须大于0！</source>
        <translation>The width must be above 0!</translation>
    </message>
    <message>
        <source>高度必须大于0！</source>
        <translation>The height must be above 0!</translation>
    </message>
    <message>
        <source>水平间距必须大于等于0！</source>
        <translation>The horizontal gap must be 0 or more!</translation>
    </message>
    <message>
        <source>垂直间距必须大于等于0！</source>
        <translation>The vertical gap must be 0 or more!</translation>
    </message>
    <message>
        <source>圆角必须大于0！</source>
        <translation>The corner radius must be above 0!</translation>
    </message>
    <message>
        <source>圆角不能大于高度的一半！</source>
        <translation>The corner radius cannot be more than half the height!</translation>
    </message>
    <message>
        <source>圆角不能大于宽度的一半！</source>
        <translation>The corner radius cannot be more than half the width!</translation>
    </message>
    <message>
        <source>请输入正确的数据！</source>
        <translation>Enter valid values!</translation>
    </message>
    <message>
        <source>起点X必须大于0并小于标签宽度！</source>
        <translation>Start X must be above 0 and less than the label width!</translation>
    </message>
    <message>
        <source>起点Y必须大于0并小于标签高度！</source>
        <translation>Start Y must be above 0 and less than the label height!</translation>
    </message>
    <message>
        <source>终点X必须大于0并小于标签宽度！</source>
        <translation>End X must be above 0 and less than the label width!</translation>
    </message>
    <message>
        <source>终点Y必须大于0并小于标签高度！</source>
        <translation>End Y must be above 0 and less than the label height!</translation>
    </message>
    <message>
        <source>线宽必须大于等于0.1！</source>
        <translation>The line width must be 0.1 or more!</translation>
    </message>
    <message>
        <source>线宽必须小于等于0.9！</source>
        <translation>The line width must be 0.9 or less!</translation>
    </message>
    <message>
        <source>弧结束角度必须大于开始角度！</source>
        <translation>The arc&apos;s end angle must be greater than its start angle!</translation>
    </message>
    <message>
        <source>线宽必须在0.1-0.9之间！</source>
        <translation>The line width must be between 0.1 and 0.9!</translation>
    </message>
    <message>
        <source>设置的横向距离大于标签宽度！</source>
        <translation>The horizontal extent is larger than the label width!</translation>
    </message>
    <message>
        <source>设置的纵向距离大于标签高度！</source>
        <translation>The vertical extent is larger than the label height!</translation>
    </message>
    <message>
        <source>行数必须大于0！</source>
        <translation>The number of rows must be above 0!</translation>
    </message>
    <message>
        <source>列数必须大于0！</source>
        <translation>The number of columns must be above 0!</translation>
    </message>
    <message>
        <source>复制的对象总数（行数×列数）不能超过10000个！</source>
        <translation>The number of copies (rows × columns) cannot exceed 10000!</translation>
    </message>
    <message>
        <source>每行几列必须输入正整数！</source>
        <translation>Columns per row must be a positive whole number!</translation>
    </message>
    <message>
        <source>每页几行必须输入正整数！</source>
        <translation>Rows per page must be a positive whole number!</translation>
    </message>
</context>
<context>
    <name>ObjectList</name>
    <message>
        <source>雕刻矩形</source>
        <translation>Cut rectangle</translation>
    </message>
    <message>
        <source>雕刻圆形</source>
        <translation>Cut circle</translation>
    </message>
    <message>
        <source>雕刻半圆形</source>
        <translation>Cut half circle</translation>
    </message>
    <message>
        <source>雕刻弧形</source>
        <translation>Cut arc</translation>
    </message>
    <message>
        <source>雕刻直线</source>
        <translation>Cut line</translation>
    </message>
    <message>
        <source>雕刻异形</source>
        <translation>Cut outline</translation>
    </message>
    <message>
        <source>打印矩形</source>
        <translation>Print rectangle</translation>
    </message>
    <message>
        <source>打印直线</source>
        <translation>Print line</translation>
    </message>
    <message>
        <source>字符 </source>
        <translation>Text </translation>
    </message>
    <message>
        <source>打印条码</source>
        <translation>Print barcode</translation>
    </message>
    <message>
        <source>打印QR二维码</source>
        <translation>Print QR code</translation>
    </message>
    <message>
        <source>打印DM二维码</source>
        <translation>Print Data Matrix code</translation>
    </message>
    <message>
        <source>打印PDF417二维码</source>
        <translation>Print PDF417 code</translation>
    </message>
    <message>
        <source>打印图形</source>
        <translation>Print picture</translation>
    </message>
</context>
<context>
    <name>ObjectListPanel</name>
    <message>
        <source>序</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>PictureBoxDialog</name>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>PortText</name>
    <message>
        <source>没有使用 %1 的权限：请把当前用户加入 %2 组（sudo usermod -aG %2 用户名），然后重新登录。</source>
        <translation>No permission to use %1: add the operator&apos;s account to the group %2 (sudo usermod -aG %2 USER), then log in again.</translation>
    </message>
    <message>
        <source>通信端口 %1 已断开</source>
        <translation>The communication port %1 was disconnected</translation>
    </message>
    <message>
        <source>打印机 %1 在 %2 秒内没有接受连接</source>
        <translation>The printer %1 did not accept the connection within %2 seconds</translation>
    </message>
    <message>
        <source>打印机 %1 在 %2 秒内没有接收数据</source>
        <translation>The printer %1 took no data within %2 seconds</translation>
    </message>
    <message>
        <source>找不到打印机的主机：%1</source>
        <translation>The printer&apos;s host cannot be found: %1</translation>
    </message>
    <message>
        <source>打印机 %1 拒绝连接（打印机没有开机，或端口号不对）</source>
        <translation>The printer %1 refused the connection (the printer is off, or the port number is wrong)</translation>
    </message>
    <message>
        <source>打印机 %1 断开了连接</source>
        <translation>The printer %1 closed the connection</translation>
    </message>
    <message>
        <source>到打印机 %1 的网络中断了</source>
        <translation>The network to the printer %1 went down</translation>
    </message>
    <message>
        <source>打印机 %1：%2</source>
        <translation>Printer %1: %2</translation>
    </message>
    <message>
        <source>“%1”不是网络打印端口：应写作 tcp://主机:端口，端口是 1 到 65535 的数（不写时为 %2）</source>
        <translation>&quot;%1&quot; is no network printer port: write tcp://HOST:PORT, the port a number from 1 to 65535 (%2 when left out)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>没有收到打印机的状态回传：%1</source>
        <translation>No status echo came from the printer: %1</translation>
    </message>
</context>
<context>
    <name>PrintObjectForms</name>
    <message>
        <source>0度</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90度</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180度</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270度</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>请先进行数据库设置！</source>
        <translation>Set up the data source first!</translation>
    </message>
    <message>
        <source>横坐标必须输入正数！</source>
        <translation>X must be a positive number!</translation>
    </message>
    <message>
        <source>纵坐标必须输入正数！</source>
        <translation>Y must be a positive number!</translation>
    </message>
</context>
<context>
    <name>PrinterText</name>
    <message>
        <source>打印张数为 0，打印机不会打印</source>
        <translation>the number of copies is 0; the printer prints nothing</translation>
    </message>
    <message>
        <source>一次收到的标签太多，这张标签没有画出</source>
        <translation>too many labels arrived at once; this one is not drawn</translation>
    </message>
    <message>
        <source>图形超出打印机能接收的范围：位置 (%1, %2)，大小 %3 × %4 点。</source>
        <translation>The graphic lies outside what the printer can take: position (%1, %2), size %3 × %4 dots.</translation>
    </message>
    <message>
        <source>打码机读串口时，打开通信端口错误!!</source>
        <translation>Reading the printer&apos;s serial port: error opening the communication port!!</translation>
    </message>
    <message>
        <source>条码命令的格式不对</source>
        <translation>malformed barcode command</translation>
    </message>
    <message>
        <source>条码数据无法按这种码制编码，打印机不会打印这个条码</source>
        <translation>the barcode data cannot be encoded in this symbology; the printer will not print this barcode</translation>
    </message>
    <message>
        <source>条码大得超出任何标签，没有画出</source>
        <translation>the barcode is larger than any label, not drawn</translation>
    </message>
    <message>
        <source>条码位置不是数字</source>
        <translation>the barcode position is not a number</translation>
    </message>
    <message>
        <source>条码类型“%1”未知</source>
        <translation>unknown barcode type &quot;%1&quot;</translation>
    </message>
    <message>
        <source>条码的窄条或宽条宽度不对</source>
        <translation>wrong narrow or wide bar width</translation>
    </message>
    <message>
        <source>条码的模块宽度不对</source>
        <translation>wrong barcode module width</translation>
    </message>
    <message>
        <source>打印机在条码旁打印的可读字符行用它自己的字体，预览中没有画出</source>
        <translation>the printer prints the human-readable line beside the barcode in its own font; the preview does not draw it</translation>
    </message>
    <message>
        <source>QR 码命令的格式不对</source>
        <translation>malformed QR code command</translation>
    </message>
    <message>
        <source>Data Matrix 码命令的格式不对</source>
        <translation>malformed Data Matrix command</translation>
    </message>
    <message>
        <source>PDF417 码命令的格式不对</source>
        <translation>malformed PDF417 command</translation>
    </message>
    <message>
        <source>命令之外的字节，打印机不会理会</source>
        <translation>bytes outside any command; the printer ignores them</translation>
    </message>
    <message>
        <source>命令没有结尾“|}”</source>
        <translation>the command has no end &quot;|}&quot;</translation>
    </message>
    <message>
        <source>图形命令的头部不对，图形无法读出</source>
        <translation>wrong graphic command header; the graphic cannot be read</translation>
    </message>
    <message>
        <source>图形数据的长度与头部不符，图形没有画出</source>
        <translation>the graphic data&apos;s length does not match its header; the graphic was not drawn</translation>
    </message>
    <message>
        <source>数据流在命令中间结束，这条命令不完整</source>
        <translation>the stream ends inside a command; this command is incomplete</translation>
    </message>
    <message>
        <source>无探头</source>
        <translation>no sensor</translation>
    </message>
    <message>
        <source>黑标模式</source>
        <translation>black mark</translation>
    </message>
    <message>
        <source>穿透模式</source>
        <translation>transmissive</translation>
    </message>
    <message>
        <source>预印刷穿透模式</source>
        <translation>pre-printed transmissive</translation>
    </message>
    <message>
        <source>手动阀值黑标模式</source>
        <translation>black mark, manual threshold</translation>
    </message>
    <message>
        <source>不用碳带</source>
        <translation>no ribbon</translation>
    </message>
    <message>
        <source>节省碳带</source>
        <translation>ribbon saving</translation>
    </message>
    <message>
        <source>用碳带</source>
        <translation>ribbon</translation>
    </message>
    <message>
        <source>打印头抬起</source>
        <translation>print head up</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>旋转打印</source>
        <translation>rotated</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>mirrored</translation>
    </message>
    <message>
        <source>镜像旋转打印</source>
        <translation>mirrored and rotated</translation>
    </message>
    <message>
        <source>代码 %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>打印 %1 张；切刀 %2，%3，速度 %4，%5，%6%7</source>
        <translation>print %1; cutter %2, %3, speed %4, %5, %6%7</translation>
    </message>
    <message>
        <source>不用</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>每张后切</source>
        <translation>cut after each label</translation>
    </message>
    <message>
        <source>，打印后回报状态</source>
        <translation>, report the status after printing</translation>
    </message>
    <message>
        <source>数据流没有以打印命令“{XS;…|}”结束，打印机不会打印这张标签</source>
        <translation>the stream does not end with the issue command &quot;{XS;…|}&quot;; the printer will not print this label</translation>
    </message>
    <message>
        <source>不认识的打印命令，没有画出</source>
        <translation>unknown printer command, not drawn</translation>
    </message>
    <message>
        <source>之前没有标签尺寸命令“{D…|}”，没有画出</source>
        <translation>no label size command &quot;{D…|}&quot; before it, not drawn</translation>
    </message>
    <message>
        <source>部分超出标签，超出的部分打印不出来</source>
        <translation>partly outside the label; the part outside does not print</translation>
    </message>
    <message>
        <source>完全在标签之外，打印不出来</source>
        <translation>wholly outside the label; it does not print</translation>
    </message>
    <message>
        <source>标签尺寸命令的格式不对</source>
        <translation>malformed label size command</translation>
    </message>
    <message>
        <source>标签大得超出任何打印机，无法预览</source>
        <translation>the label is larger than any printer takes; no preview</translation>
    </message>
    <message>
        <source>标签宽 %1 毫米、长 %2 毫米，每张送纸 %3 毫米</source>
        <translation>label %1 mm wide and %2 mm long, %3 mm fed per label</translation>
    </message>
    <message>
        <source>清除图像缓冲区</source>
        <translation>clear the image buffer</translation>
    </message>
    <message>
        <source>浓度命令的格式不对</source>
        <translation>malformed darkness command</translation>
    </message>
    <message>
        <source>浓度 %1，%2</source>
        <translation>darkness %1, %2</translation>
    </message>
    <message>
        <source>碳带打印</source>
        <translation>thermal transfer</translation>
    </message>
    <message>
        <source>热敏打印</source>
        <translation>direct thermal</translation>
    </message>
    <message>
        <source>进纸命令的格式不对</source>
        <translation>malformed feed command</translation>
    </message>
    <message>
        <source>%1 %2 毫米</source>
        <translation>%1 %2 mm</translation>
    </message>
    <message>
        <source>向前进纸</source>
        <translation>feed forward</translation>
    </message>
    <message>
        <source>向后退纸</source>
        <translation>feed back</translation>
    </message>
    <message>
        <source>涂黑区域命令的格式不对，没有画出</source>
        <translation>malformed filled area command, not drawn</translation>
    </message>
    <message>
        <source>画线命令的格式不对，没有画出</source>
        <translation>malformed line command, not drawn</translation>
    </message>
    <message>
        <source>图形命令的方式不是 1，没有画出</source>
        <translation>the graphic command&apos;s mode is not 1, not drawn</translation>
    </message>
    <message>
        <source>打印命令的格式不对，打印机不会打印</source>
        <translation>malformed issue command; the printer will not print</translation>
    </message>
    <message>
        <source>这一任务没有清除图像缓冲区：打印机再打印一遍缓冲区里原有的内容</source>
        <translation>this job does not clear the image buffer: the printer prints what the buffer held again</translation>
    </message>
    <message>
        <source>打印方向不是正常打印：打印出来的标签是转过或镜像的，预览按正常方向画出</source>
        <translation>the print direction is not normal: the printed label is rotated or mirrored, the preview draws it the normal way</translation>
    </message>
    <message>
        <source>之前没有标签尺寸命令“{D…|}”，打印机不知道标签多大</source>
        <translation>no label size command &quot;{D…|}&quot; before it: the printer does not know the label&apos;s size</translation>
    </message>
    <message>
        <source>数据流里还有一张标签，这里只画出第一张</source>
        <translation>the stream holds another label; only the first is drawn</translation>
    </message>
    <message>
        <source>数据流里没有打印命令</source>
        <translation>the stream holds no issue command</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecordColumnPanel</name>
    <message>
        <source>使用数据库</source>
        <translation>Use the data source</translation>
    </message>
    <message>
        <source>字段</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>RoundedBoxDialog</name>
    <message>
        <source>圆角</source>
        <translation>Corner radius</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
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
    <message>
        <source>把打印的每张标签画成 DIR/label-NNNN.png，把每个雕刻命令流画成 DIR/label-NNNN.svg，按到达的顺序编号</source>
        <translation>draw every label printed as DIR/label-NNNN.png and every cut stream as DIR/label-NNNN.svg, numbered in the order they arrive</translation>
    </message>
    <message>
        <source>这些图片的打印机分辨率：203 或 305（默认）</source>
        <translation>the printer&apos;s resolution for those pictures: 203 or 305 (default)</translation>
    </message>
    <message>
        <source>要是 203 或 305，不是“%1”</source>
        <translation>is 203 or 305, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>打印机还在 127.0.0.1:PORT 上监听（0：任一空闲端口），并在送来标签的连接上回传状态</source>
        <translation>the printer also listens on 127.0.0.1:PORT (0: any free port) and reports over the connection that carried the label</translation>
    </message>
    <message>
        <source>在伪终端上模拟标签机：像打印机的状态端口和雕刻机那样应答。先输出 printer=PATH、status=PATH 和 cutter=PATH 三行（给出 --tcp 时还有 network=tcp://127.0.0.1:PORT），然后一直服务，直到收到 SIGTERM 或 SIGINT，或用 --labels 给出的张数打印雕刻完。</source>
        <translation>A virtual label machine on pseudo-terminals: it answers like the printer&apos;s status port and the cutter. It prints the three lines printer=PATH, status=PATH and cutter=PATH (and with --tcp network=tcp://127.0.0.1:PORT), then serves until SIGTERM or SIGINT, or until --labels labels have been printed and cut.</translation>
    </message>
    <message>
        <source>要是 0 到 65535 之间的端口号，不是 %1</source>
        <translation>needs a port number from 0 to 65535, not %1</translation>
    </message>
</context>
<context>
    <name>Tf_about</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
    <message>
        <source>VER 201710250000</source>
        <translation>VER 201710250000</translation>
    </message>
</context>
<context>
    <name>Tf_labelset</name>
    <message>
        <source>标签设置</source>
        <translation>Label Setup</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>锁定标签（标签上的内容都不可移动）</source>
        <translation>Lock the label (nothing on it can be moved)</translation>
    </message>
    <message>
        <source>标签方向</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>标签大小</source>
        <translation>Label size</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>标签宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>标签高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>使用背景</source>
        <translation>Use a background</translation>
    </message>
    <message>
        <source>背景文件</source>
        <translation>Background file</translation>
    </message>
    <message>
        <source>选择背景文件</source>
        <translation>Choose the background file</translation>
    </message>
    <message>
        <source>背景图像尺寸</source>
        <translation>Background size</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>背景图像位置</source>
        <translation>Background position</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>图形文件 (*.bmp)|*.bmp|All files (*.*)|*.*</source>
        <translation>Pictures (*.bmp)|*.bmp|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>选择的文件必须是BMP文件！</source>
        <translation>The chosen file must be a BMP file!</translation>
    </message>
    <message>
        <source>宽度必须大于0！</source>
        <translation>The width must be above 0!</translation>
    </message>
    <message>
        <source>高度必须大于0！</source>
        <translation>The height must be above 0!</translation>
    </message>
    <message>
        <source>请输入正确的数据！</source>
        <translation>Enter valid values!</translation>
    </message>
</context>
<context>
    <name>TfrmCutArc</name>
    <message>
        <source>90度</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180度</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>0/360度</source>
        <translation>0/360°</translation>
    </message>
    <message>
        <source>270度</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>刻弧</source>
        <translation>Cut Arc</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>圆心X</source>
        <translation>Centre X</translation>
    </message>
    <message>
        <source>圆心Y</source>
        <translation>Centre Y</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>开始角度</source>
        <translation>Start angle</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>结束角度</source>
        <translation>End angle</translation>
    </message>
    <message>
        <source>雕刻方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>弧开始下刀</source>
        <translation>Knife down at the arc&apos;s start</translation>
    </message>
    <message>
        <source>弧结束抬刀</source>
        <translation>Knife up at the arc&apos;s end</translation>
    </message>
</context>
<context>
    <name>TfrmCutCircle</name>
    <message>
        <source>刻圆</source>
        <translation>Cut Circle</translation>
    </message>
</context>
<context>
    <name>TfrmCutHalfCircle</name>
    <message>
        <source>刻半圆</source>
        <translation>Cut Half Circle</translation>
    </message>
</context>
<context>
    <name>TfrmCutImage</name>
    <message>
        <source>刻异形</source>
        <translation>Cut Outline</translation>
    </message>
    <message>
        <source>bmp files (*.bmp)|*.bmp</source>
        <translation>bmp files (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>TfrmCutLine</name>
    <message>
        <source>刻直线</source>
        <translation>Cut Line</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>极坐标</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>线开始下刀</source>
        <translation>Knife down at the line&apos;s start</translation>
    </message>
    <message>
        <source>线结束抬刀</source>
        <translation>Knife up at the line&apos;s end</translation>
    </message>
    <message>
        <source>雕刻后延时</source>
        <translation>Delay after cutting</translation>
    </message>
    <message>
        <source>交换起点终点X坐标</source>
        <translation>Swap the start and end X</translation>
    </message>
    <message>
        <source>交换起点终点Y坐标</source>
        <translation>Swap the start and end Y</translation>
    </message>
</context>
<context>
    <name>TfrmCutLineRect</name>
    <message>
        <source>上边线</source>
        <translation>Top line</translation>
    </message>
    <message>
        <source>左边线</source>
        <translation>Left line</translation>
    </message>
    <message>
        <source>右边线</source>
        <translation>Right line</translation>
    </message>
    <message>
        <source>下边线</source>
        <translation>Bottom line</translation>
    </message>
    <message>
        <source>雕刻矩形</source>
        <translation>Cut Rectangle</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>横 坐 标：</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>纵 坐 标：</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>宽    度：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高    度：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>圆    角：</source>
        <translation>Corner radius:</translation>
    </message>
    <message>
        <source>方    向：</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>接头长度：</source>
        <translation>Joint length:</translation>
    </message>
    <message>
        <source>接头偏移：</source>
        <translation>Joint offset:</translation>
    </message>
    <message>
        <source>雕刻延时：</source>
        <translation>Cut delay:</translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>开始下刀位置</source>
        <translation>Where the knife goes down</translation>
    </message>
</context>
<context>
    <name>TfrmCutRect</name>
    <message>
        <source>刻方</source>
        <translation>Cut Rectangle</translation>
    </message>
</context>
<context>
    <name>TfrmDBSet</name>
    <message>
        <source>数据库设置</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>表  名</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>工作表内容</source>
        <translation>Sheet contents</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>选择的文件必须是excel文件！</source>
        <translation>The chosen file must be an Excel file!</translation>
    </message>
    <message>
        <source>请先选择表！</source>
        <translation>Choose a sheet first!</translation>
    </message>
</context>
<context>
    <name>TfrmEditString</name>
    <message>
        <source>修改字体</source>
        <translation>Change font</translation>
    </message>
    <message>
        <source>字间距:</source>
        <translation>Character gap:</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>方  向:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>字间距必须输入数值！</source>
        <translation>The character gap must be a number!</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>关闭文件</source>
        <translation>Close File</translation>
    </message>
    <message>
        <source>打印雕刻</source>
        <translation>Print and Cut</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>标签设置</source>
        <translation>Label Setup</translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>工具窗口</source>
        <translation>Tool Window</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除全部</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>拷贝到粘贴板</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>从粘贴板粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>刻方</source>
        <translation>Cut Rectangle</translation>
    </message>
    <message>
        <source>刻圆</source>
        <translation>Cut Circle</translation>
    </message>
    <message>
        <source>刻半圆</source>
        <translation>Cut Half Circle</translation>
    </message>
    <message>
        <source>刻直线</source>
        <translation>Cut Line</translation>
    </message>
    <message>
        <source>刻弧</source>
        <translation>Cut Arc</translation>
    </message>
    <message>
        <source>刻异形</source>
        <translation>Cut Outline</translation>
    </message>
    <message>
        <source>线段式刻方</source>
        <translation>Segmented Cut Rectangle</translation>
    </message>
    <message>
        <source>导入cad的dxf文件</source>
        <translation>Import a CAD DXF File</translation>
    </message>
    <message>
        <source>设置闭合路径从此开始雕刻</source>
        <translation>Start the Closed Path Here</translation>
    </message>
    <message>
        <source>打印矩形</source>
        <translation>Print Rectangle</translation>
    </message>
    <message>
        <source>打印直线</source>
        <translation>Print Line</translation>
    </message>
    <message>
        <source>打印字符</source>
        <translation>Print Text</translation>
    </message>
    <message>
        <source>打印一维码</source>
        <translation>Print Barcode</translation>
    </message>
    <message>
        <source>打印QR码</source>
        <translation>Print QR Code</translation>
    </message>
    <message>
        <source>打印DM码</source>
        <translation>Print DM Code</translation>
    </message>
    <message>
        <source>打印Pdf417</source>
        <translation>Print PDF417</translation>
    </message>
    <message>
        <source>打印图形</source>
        <translation>Print Picture</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>允许打印雕刻</source>
        <translation>Include in Print and Cut</translation>
    </message>
    <message>
        <source>禁止打印雕刻</source>
        <translation>Leave out of Print and Cut</translation>
    </message>
    <message>
        <source>移到最后打印雕刻</source>
        <translation>Print and Cut Last</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>刻绘</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>打印DataMatrix二维码</source>
        <translation>Print Data Matrix Code</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>线段刻方</source>
        <translation>Segmented Rectangle</translation>
    </message>
    <message>
        <source>导入cad</source>
        <translation>Import CAD</translation>
    </message>
    <message>
        <source>设置是否打印雕刻</source>
        <translation>Print and Cut Or Not</translation>
    </message>
    <message>
        <source>加刻绘项</source>
        <translation>Add Cut Item</translation>
    </message>
    <message>
        <source>加打印项</source>
        <translation>Add Print Item</translation>
    </message>
    <message>
        <source>伸缩</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>全屏幕</source>
        <translation>Fit</translation>
    </message>
</context>
<context>
    <name>TfrmOstrel</name>
    <message>
        <source>打印雕刻窗口</source>
        <translation>Print and Cut</translation>
    </message>
    <message>
        <source>本系统不能调用BarTender：标签由本程序直接发送打印命令打印。</source>
        <translation>This system cannot call BarTender: the program sends the print commands for the labels itself.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>打印参数</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>雕刻参数</source>
        <translation>Cutter</translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>雕刻命令</source>
        <translation>Cutter Commands</translation>
    </message>
    <message>
        <source>端口设置</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>打印命令</source>
        <translation>Printer Commands</translation>
    </message>
    <message>
        <source>探头类型</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>无探头</source>
        <translation>No sensor</translation>
    </message>
    <message>
        <source>黑标模式</source>
        <translation>Black mark</translation>
    </message>
    <message>
        <source>穿透模式</source>
        <translation>Transmissive</translation>
    </message>
    <message>
        <source>预印刷穿透模式</source>
        <translation>Pre-printed transmissive</translation>
    </message>
    <message>
        <source>手动阀值黑标模式</source>
        <translation>Black mark, manual threshold</translation>
    </message>
    <message>
        <source>是否色带</source>
        <translation>Ribbon</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>节省碳带</source>
        <translation>Ribbon saving</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>打印头抬起</source>
        <translation>Print head up</translation>
    </message>
    <message>
        <source>打印速度</source>
        <translation>Print speed</translation>
    </message>
    <message>
        <source>打印温度</source>
        <translation>Print darkness</translation>
    </message>
    <message>
        <source>分辨率DPI</source>
        <translation>Resolution (DPI)</translation>
    </message>
    <message>
        <source>标签旋转</source>
        <translation>Label rotation</translation>
    </message>
    <message>
        <source>正常打印</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>旋转打印</source>
        <translation>Rotated</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Mirrored</translation>
    </message>
    <message>
        <source>镜像旋转打印</source>
        <translation>Mirrored and rotated</translation>
    </message>
    <message>
        <source>是否剪切</source>
        <translation>Cut with the printer&apos;s cutter</translation>
    </message>
    <message>
        <source>打印端口</source>
        <translation>Printer port</translation>
    </message>
    <message>
        <source>回传端口</source>
        <translation>Status port</translation>
    </message>
    <message>
        <source>标签间距</source>
        <translation>Label pitch</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>进纸调整</source>
        <translation>Feed adjustment</translation>
    </message>
    <message>
        <source>打印延时</source>
        <translation>Print delay</translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>偏移X坐标</source>
        <translation>X offset</translation>
    </message>
    <message>
        <source>偏移Y坐标</source>
        <translation>Y offset</translation>
    </message>
    <message>
        <source>走纸模式打印(不传打印内容,只传打印命令,加快打印速度,适合打印内容不变的标签)</source>
        <translation>Feed mode printing (sends only the print command, not the contents: faster, for labels whose contents do not change)</translation>
    </message>
    <message>
        <source>打印后,标签机通过回传端口回传打印结果,打印正确后才雕刻</source>
        <translation>After printing, the machine reports the result on the status port; a label is cut only when it printed correctly</translation>
    </message>
    <message>
        <source>调用BarTender打印标签</source>
        <translation>Print the labels through BarTender</translation>
    </message>
    <message>
        <source>BarTender文件</source>
        <translation>BarTender file</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>雕刻左边距</source>
        <translation>Cut left margin</translation>
    </message>
    <message>
        <source>雕刻上边距</source>
        <translation>Cut top margin</translation>
    </message>
    <message>
        <source>雕刻延时</source>
        <translation>Cut delay</translation>
    </message>
    <message>
        <source>雕刻端口</source>
        <translation>Cutter port</translation>
    </message>
    <message>
        <source>雕刻后小车移动距离</source>
        <translation>Carriage travel after cutting</translation>
    </message>
    <message>
        <source>雕刻速度</source>
        <translation>Cutting speed</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Travel speed</translation>
    </message>
    <message>
        <source>横坐标每毫米脉冲数</source>
        <translation>X pulses per millimetre</translation>
    </message>
    <message>
        <source>纵坐标每毫米脉冲数</source>
        <translation>Y pulses per millimetre</translation>
    </message>
    <message>
        <source>雕刻开始字符</source>
        <translation>Cut start text</translation>
    </message>
    <message>
        <source>雕刻结束字符</source>
        <translation>Cut end text</translation>
    </message>
    <message>
        <source>雕刻前找黑标</source>
        <translation>Find the black mark before cutting</translation>
    </message>
    <message>
        <source>雕刻后回到雕刻前位置</source>
        <translation>Return to the start position after cutting</translation>
    </message>
    <message>
        <source>指令雕刻</source>
        <translation>Command cutting</translation>
    </message>
    <message>
        <source>雕刻前回传</source>
        <translation>Report before cutting</translation>
    </message>
    <message>
        <source>雕刻机走纸</source>
        <translation>Cutter feeds the paper</translation>
    </message>
    <message>
        <source>雕刻机黑标模式走纸</source>
        <translation>Cutter feeds to the black mark</translation>
    </message>
    <message>
        <source>雕刻前小车回左限位处</source>
        <translation>Carriage to the left limit before cutting</translation>
    </message>
    <message>
        <source>雕刻前小车回右限位处</source>
        <translation>Carriage to the right limit before cutting</translation>
    </message>
    <message>
        <source>雕刻前小车左右不动</source>
        <translation>Carriage stays left-right before cutting</translation>
    </message>
    <message>
        <source>小车左右</source>
        <translation>Carriage left-right</translation>
    </message>
    <message>
        <source>雕刻前小车回前限位处</source>
        <translation>Carriage to the front limit before cutting</translation>
    </message>
    <message>
        <source>雕刻前小车回后限位处</source>
        <translation>Carriage to the back limit before cutting</translation>
    </message>
    <message>
        <source>雕刻前小车前后不动</source>
        <translation>Carriage stays front-back before cutting</translation>
    </message>
    <message>
        <source>小车前后</source>
        <translation>Carriage front-back</translation>
    </message>
    <message>
        <source>使用数据库</source>
        <translation>Use the data source</translation>
    </message>
    <message>
        <source>所选记录</source>
        <translation>Selected records</translation>
    </message>
    <message>
        <source>例如：1，3-5，</source>
        <translation>e.g. 1,3-5,</translation>
    </message>
    <message>
        <source>选择记录</source>
        <translation>Choose records</translation>
    </message>
    <message>
        <source>雕刻小车上移</source>
        <translation>Carriage up</translation>
    </message>
    <message>
        <source>雕刻小车左移</source>
        <translation>Carriage left</translation>
    </message>
    <message>
        <source>雕刻小车右移</source>
        <translation>Carriage right</translation>
    </message>
    <message>
        <source>雕刻小车下移</source>
        <translation>Carriage down</translation>
    </message>
    <message>
        <source>上移到黑标处</source>
        <translation>Up to the black mark</translation>
    </message>
    <message>
        <source>下移到黑标处</source>
        <translation>Down to the black mark</translation>
    </message>
    <message>
        <source>下刀</source>
        <translation>Knife test</translation>
    </message>
    <message>
        <source>执行命令</source>
        <translation>Send command</translation>
    </message>
    <message>
        <source>打印波特率</source>
        <translation>Printer baud rate</translation>
    </message>
    <message>
        <source>雕刻波特率</source>
        <translation>Cutter baud rate</translation>
    </message>
    <message>
        <source>设置端口</source>
        <translation>Set up ports</translation>
    </message>
    <message>
        <source>映射LPT1</source>
        <translation>Map LPT1</translation>
    </message>
    <message>
        <source>执行打印命令</source>
        <translation>Send printer command</translation>
    </message>
    <message>
        <source>打印数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>计数数量</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>清零</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>出空白纸</source>
        <translation>Blank labels</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>雕刻(&amp;C)</source>
        <translation>&amp;Cut</translation>
    </message>
    <message>
        <source>打印雕刻(&amp;B)</source>
        <translation>Print and cut (&amp;B)</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>端口设置完成。</source>
        <translation>The ports are set up.</translation>
    </message>
    <message>
        <source>以下端口没有设置好：
%1</source>
        <translation>These ports were not set up:
%1</translation>
    </message>
    <message>
        <source>LPT1 使用的打印机设备：</source>
        <translation>Printer device for LPT1:</translation>
    </message>
    <message>
        <source>提示  </source>
        <translation>Note  </translation>
    </message>
    <message>
        <source>请输入计数器数值：</source>
        <translation>Enter the counter value:</translation>
    </message>
    <message>
        <source>请输入正确的数值！</source>
        <translation>Enter a valid value!</translation>
    </message>
    <message>
        <source>请先进行数据库设置！</source>
        <translation>Set up the data source first!</translation>
    </message>
    <message>
        <source>雕刻右边距的数值太大了！</source>
        <translation>The cut right margin is too large!</translation>
    </message>
    <message>
        <source>雕刻下边距的数值太大了！</source>
        <translation>The cut bottom margin is too large!</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>标签由BarTender打印：预览显示的是本程序自己发送打印命令时的标签。</source>
        <translation>BarTender prints these labels: the preview shows the label as this program would print it with its own commands.</translation>
    </message>
    <message>
        <source>表格%1中没有记录在记录范围“%2”内。</source>
        <translation>The sheet %1 holds no record within the record range &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TfrmPrintBar</name>
    <message>
        <source>打印一维条码</source>
        <translation>Print Barcode</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>条码类型</source>
        <translation>Barcode type</translation>
    </message>
    <message>
        <source>条码方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>窄条宽度</source>
        <translation>Narrow bar width</translation>
    </message>
    <message>
        <source>条码字符</source>
        <translation>Barcode data</translation>
    </message>
    <message>
        <source>宽条比</source>
        <translation>Wide bar ratio</translation>
    </message>
    <message>
        <source>条码高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>显示码</source>
        <translation>Human-readable line</translation>
    </message>
    <message>
        <source>自增</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>前    缀</source>
        <translation>Prefix</translation>
    </message>
    <message>
        <source>后  缀</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>名    称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>字间距</source>
        <translation>Character gap</translation>
    </message>
    <message>
        <source>宽度缩放</source>
        <translation>Width scale</translation>
    </message>
    <message>
        <source>高度缩放</source>
        <translation>Height scale</translation>
    </message>
    <message>
        <source>对齐方式</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>显示起始/终止符</source>
        <translation>Show start/stop characters</translation>
    </message>
    <message>
        <source>水平偏移</source>
        <translation>Horizontal offset</translation>
    </message>
    <message>
        <source>垂直偏移</source>
        <translation>Vertical offset</translation>
    </message>
    <message>
        <source>字间距必须输入数值！</source>
        <translation>The character gap must be a number!</translation>
    </message>
    <message>
        <source>宽度缩放必须输入数值！</source>
        <translation>The width scale must be a number!</translation>
    </message>
    <message>
        <source>高度缩放必须输入数值！</source>
        <translation>The height scale must be a number!</translation>
    </message>
    <message>
        <source>水平偏移必须输入数值！</source>
        <translation>The horizontal offset must be a number!</translation>
    </message>
    <message>
        <source>垂直偏移必须输入数值！</source>
        <translation>The vertical offset must be a number!</translation>
    </message>
    <message>
        <source>不显示条码字符</source>
        <translation>No human-readable line</translation>
    </message>
    <message>
        <source>打印机自动生成</source>
        <translation>Made by the printer</translation>
    </message>
    <message>
        <source>由软件设置生成</source>
        <translation>Made by this program</translation>
    </message>
    <message>
        <source>居左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>居右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>两端对齐</source>
        <translation>Justified</translation>
    </message>
    <message>
        <source>条码字符不能为空！</source>
        <translation>The barcode data cannot be empty!</translation>
    </message>
    <message>
        <source>条码宽度不能为空！</source>
        <translation>The bar width cannot be empty!</translation>
    </message>
    <message>
        <source>条码高度不能为空！</source>
        <translation>The barcode height cannot be empty!</translation>
    </message>
    <message>
        <source>自增不能为空！</source>
        <translation>The step cannot be empty!</translation>
    </message>
    <message>
        <source>EAN13条码字符长度必须等于12位！</source>
        <translation>EAN13 barcode data must be exactly 12 digits!</translation>
    </message>
    <message>
        <source>条码高度必须输入数值！</source>
        <translation>The barcode height must be a number!</translation>
    </message>
    <message>
        <source>条码高度必须输入正数！</source>
        <translation>The barcode height must be a positive number!</translation>
    </message>
    <message>
        <source>自增必须输入整数！</source>
        <translation>The step must be a whole number!</translation>
    </message>
    <message>
        <source>条码宽度必须输入正整数！</source>
        <translation>The bar width must be a positive whole number!</translation>
    </message>
</context>
<context>
    <name>TfrmPrintDataMatrix</name>
    <message>
        <source>打印DataMatrix二维码</source>
        <translation>Print Data Matrix Code</translation>
    </message>
    <message>
        <source>每单位宽</source>
        <translation>Module width</translation>
    </message>
</context>
<context>
    <name>TfrmPrintImage</name>
    <message>
        <source>打印图形</source>
        <translation>Print Picture</translation>
    </message>
    <message>
        <source>bmp files (*.bmp)</source>
        <translation>bmp files (*.bmp)</translation>
    </message>
</context>
<context>
    <name>TfrmPrintLine</name>
    <message>
        <source>打印直线</source>
        <translation>Print Line</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>毫米(0.1-0.9)</source>
        <translation>mm (0.1-0.9)</translation>
    </message>
</context>
<context>
    <name>TfrmPrintPdf417Bar</name>
    <message>
        <source>打印PDF417二维码</source>
        <translation>Print PDF417 Code</translation>
    </message>
    <message>
        <source>单位宽度</source>
        <translation>Module width</translation>
    </message>
    <message>
        <source>单位高度</source>
        <translation>Module height</translation>
    </message>
    <message>
        <source>条码列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>安全级别</source>
        <translation>Security level</translation>
    </message>
</context>
<context>
    <name>TfrmPrintQRBar</name>
    <message>
        <source>打印QR二维码</source>
        <translation>Print QR Code</translation>
    </message>
    <message>
        <source>每单位宽</source>
        <translation>Module width</translation>
    </message>
    <message>
        <source>校正级别</source>
        <translation>Error correction</translation>
    </message>
</context>
<context>
    <name>TfrmPrintRect</name>
    <message>
        <source>打印矩形</source>
        <translation>Print Rectangle</translation>
    </message>
    <message>
        <source>实心</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>圆角</source>
        <translation>Corner radius</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>Line width</translation>
    </message>
</context>
<context>
    <name>TfrmPrintString</name>
    <message>
        <source>添加字符窗口</source>
        <translation>Print Text</translation>
    </message>
    <message>
        <source>基本设置</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>数据库设置</source>
        <translation>Data Source</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>名    称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>字间距</source>
        <translation>Character gap</translation>
    </message>
    <message>
        <source>宽度缩放</source>
        <translation>Width scale</translation>
    </message>
    <message>
        <source>高度缩放</source>
        <translation>Height scale</translation>
    </message>
    <message>
        <source>序列</source>
        <translation>Serial step</translation>
    </message>
    <message>
        <source>几列</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>几行</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>水平间距</source>
        <translation>Horizontal pitch</translation>
    </message>
    <message>
        <source>垂直间距</source>
        <translation>Vertical pitch</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>字符不能为空！</source>
        <translation>The text cannot be empty!</translation>
    </message>
    <message>
        <source>横坐标必须大于0！</source>
        <translation>X must be above 0!</translation>
    </message>
    <message>
        <source>纵坐标必须大于0！</source>
        <translation>Y must be above 0!</translation>
    </message>
    <message>
        <source>水平间距必须大于等于0！</source>
        <translation>The horizontal pitch must be 0 or more!</translation>
    </message>
    <message>
        <source>垂直间距必须大于等于0！</source>
        <translation>The vertical pitch must be 0 or more!</translation>
    </message>
    <message>
        <source>序列必须输入整数！</source>
        <translation>The serial step must be a whole number!</translation>
    </message>
    <message>
        <source>字间距必须输入数值！</source>
        <translation>The character gap must be a number!</translation>
    </message>
</context>
<context>
    <name>TfrmSelectRecord</name>
    <message>
        <source>选择记录</source>
        <translation>Choose Records</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>所选择记录</source>
        <translation>Selected records</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>Select none</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>ToolWindowPanel</name>
    <message>
        <source>变换</source>
        <translation>Transform</translation>
    </message>
    <message>
        <source>相对位置</source>
        <translation>Relative position</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>对齐</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>按最后选择的对象对齐</source>
        <translation>To the last selected</translation>
    </message>
    <message>
        <source>按标签对齐</source>
        <translation>To the label</translation>
    </message>
</context>
<context>
    <name>Transform</name>
    <message>
        <source>水平位置必须大于0！</source>
        <translation>The horizontal position must be above 0!</translation>
    </message>
    <message>
        <source>垂直位置必须大于0！</source>
        <translation>The vertical position must be above 0!</translation>
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
