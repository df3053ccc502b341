-- Neovim (0.7 and later) as the editor of a small base with known faults, over
-- orvia-lsp: diagnostics, a jump to a definition, hover, completion and a
-- rename applied to the buffers. ORVIA_LSP names the server; any failure is
-- written to stderr and ends Neovim with status 1.
local server = assert(os.getenv('ORVIA_LSP'), 'ORVIA_LSP names the server')
local failures = {}
local function check(ok, what)
  if not ok then table.insert(failures, what) end
end
local function finish()
  if #failures > 0 then
    io.stderr:write(table.concat(failures, '\n') .. '\n')
    vim.cmd('cquit 1')
  end
  vim.cmd('qall!')
end

-- The steps below run protected: an error is a failure too, never a Neovim left waiting.
local function run()
  local root = vim.fn.tempname()
  vim.fn.mkdir(root .. '/data', 'p')
  local function write(name, lines) vim.fn.writefile(lines, root .. '/data/' .. name) end
  write('keywords.txt', {'/ test index', '[r.txt]', '0001 hello there', '0002 broken block', '0001 hello there friend',
                         '[missing.txt]', '0001 gone'})
  write('r.txt', {'*0001', '/ greetings', '# hi [name], nice to meet you.', '$how are you [nmae]?', '&fu.txt', '*'})
  write('fu.txt', {'[r.txt]', '0001 yes please'})
  write('preset1.txt', {'[Preset2.txt]', '0020 my name'})
  write('Preset2.txt', {'*0010', '# but what?', '*0013', '# one word, please.', '*0020', '# and it is?'})
  write('Preset3.txt', {'*0002', '# hello! what is your name?', '*0001', '# welcome, [name].'})
  write('Preset4.txt', {'*0001', '$what else?'})
  vim.fn.writefile({}, root .. '/words')

  local client = vim.lsp.start_client({name = 'orvia', cmd = {server, '--words', root .. '/words'}, root_dir = root})
  assert(client, "the client did not start")
  vim.cmd('edit ' .. root .. '/data/keywords.txt')
  local index = vim.api.nvim_get_current_buf()
  vim.lsp.buf_attach_client(index, client)

  -- Diagnostics: line, columns, severity and what they say.
  vim.wait(5000, function() return #vim.diagnostic.get(index) == 3 end, 20)
  local diagnostics = vim.diagnostic.get(index)
  table.sort(diagnostics, function(a, b) return a.lnum < b.lnum end)
  local E, W = vim.diagnostic.severity.ERROR, vim.diagnostic.severity.WARN
  local expected = {{3, 5, 17, E, 'has no block "*0002"'}, {4, 5, 23, W, 'never answers: line 3'}, {5, 1, 12, E, '"missing.txt" not found'}}
  check(#diagnostics == 3, 'expected 3 diagnostics, got ' .. #diagnostics)
  for i, want in ipairs(expected) do
    local d = diagnostics[i] or {}
    check(d.lnum == want[1] and d.col == want[2] and d.end_col == want[3] and d.severity == want[4]
          and (d.message or ''):find(want[5], 1, true),
          ('diagnostic %d: got %s'):format(i, vim.inspect(d)))
  end

  local function request(buf, method, params)
    params.textDocument = {uri = vim.uri_from_bufnr(buf)}
    local answers = vim.lsp.buf_request_sync(buf, method, params, 5000) or {}
    return (answers[client] or {}).result
  end

  local hover = request(index, 'textDocument/hover', {position = {line = 4, character = 7}})
  check(hover and hover.contents.value:find('never answers', 1, true), 'hover: ' .. vim.inspect(hover))

  -- A jump from the keyword line to its block.
  vim.api.nvim_win_set_cursor(0, {3, 6})
  vim.lsp.buf.definition()
  vim.wait(5000, function() return vim.api.nvim_buf_get_name(0):match('/r%.txt$') end, 20)
  check(vim.api.nvim_buf_get_name(0):match('/r%.txt$'), 'definition went to ' .. vim.api.nvim_buf_get_name(0))
  check(vim.api.nvim_win_get_cursor(0)[1] == 1, 'definition: cursor on line ' .. vim.api.nvim_win_get_cursor(0)[1])

  local response = vim.api.nvim_get_current_buf()
  vim.lsp.buf_attach_client(response, client)
  local items = request(response, 'textDocument/completion', {position = {line = 2, character = 6}}) or {}
  local labels = {}
  for _, item in ipairs(items.items or items) do table.insert(labels, item.label) end
  check(table.concat(labels, ' ') == '[name] [keyword] [next] [following]', 'completion: ' .. table.concat(labels, ' '))

  -- Renaming the code changes the header and every keyword line that reaches it.
  vim.api.nvim_set_current_buf(index)
  vim.api.nvim_win_set_cursor(0, {3, 1})
  vim.lsp.buf.rename('0100')
  vim.wait(5000, function() return vim.api.nvim_buf_get_lines(response, 0, 1, false)[1] == '*0100' end, 20)
  check(vim.api.nvim_buf_get_lines(response, 0, 1, false)[1] == '*0100', 'rename: r.txt begins ' .. vim.api.nvim_buf_get_lines(response, 0, 1, false)[1])
  local renamed = vim.api.nvim_buf_get_lines(index, 0, -1, false)
  check(renamed[3] == '0100 hello there' and renamed[5] == '0100 hello there friend' and renamed[4] == '0002 broken block',
        'rename: keywords.txt is ' .. vim.inspect(renamed))
  local followUp = vim.fn.bufnr(root .. '/data/fu.txt')
  check(followUp > 0 and vim.api.nvim_buf_get_lines(followUp, 1, 2, false)[1] == '0100 yes please', 'rename: fu.txt not changed')
end

local ok, err = xpcall(run, debug.traceback)
check(ok, tostring(err))
finish()
