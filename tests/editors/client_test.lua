-- Loads editors/nvim/orvia-lsp.lua against a stand-in server (fake-server/)
-- and checks that two files of one base share one client rooted at the
-- folder holding data/, and that :OrviaTry and the "try" code action show the
-- reply and its trace.
-- Run: nvim --headless --clean --cmd "let g:orvia_lsp_cmd = ['tests/editors/fake-server/orvia-lsp']" \
--   -u editors/nvim/orvia-lsp.lua -S tests/editors/client_test.lua
local here = vim.fn.fnamemodify(debug.getinfo(1, 'S').source:sub(2), ':p:h')
local failures = {}
local checks = 0
local function check(ok, msg)
  checks = checks + 1
  if not ok then table.insert(failures, msg) end
end
local function clients()
  local list = {}
  for _, c in pairs((vim.lsp.get_clients or vim.lsp.get_active_clients)()) do
    if c.name == 'orvia-lsp' then table.insert(list, c) end
  end
  return list
end

-- A Lua error must end the run too, not leave Neovim waiting.
local ran, err = pcall(function()
  vim.cmd('edit ' .. here .. '/fixture/data/keywords.txt')
  check(vim.wait(5000, function() return #clients() == 1 and clients()[1].initialized end),
    'no client started for keywords.txt')
  vim.cmd('edit ' .. here .. '/fixture/data/answers.txt')
  vim.wait(200)
  check(#clients() == 1, #clients() .. ' clients for one base')
  local client = clients()[1]
  if client then
    check(client.config.root_dir == here .. '/fixture', 'root ' .. tostring(client.config.root_dir))
    check(vim.lsp.buf_is_attached(0, client.id), 'answers.txt not attached')
  end

  local function shown(first)
    local buf = vim.fn.bufnr('orvia://try')
    vim.wait(3000, function()
      return buf ~= -1 or vim.fn.bufnr('orvia://try') ~= -1
    end)
    buf = vim.fn.bufnr('orvia://try')
    vim.wait(3000, function() return vim.api.nvim_buf_get_lines(buf, 0, 1, false)[1] == first end)
    return vim.api.nvim_buf_get_lines(buf, 0, -1, false)
  end
  vim.cmd('OrviaTry my pet is ill')
  check(vim.deep_equal(shown('> my pet is ill'),
    { '> my pet is ill', '<Orvia> you said my pet is ill', '    matched "my pet"', '    code 0005' }),
    ':OrviaTry showed ' .. vim.inspect(shown('> my pet is ill')))
  check(vim.fn.expand('%:t') == 'answers.txt', 'the cursor left the knowledge file')

  if client then
    vim.lsp.commands['orvia.trySentence']({ command = 'orvia.trySentence', arguments = { 'hello' } },
      { bufnr = vim.api.nvim_get_current_buf(), client_id = client.id })
  end
  check(shown('> hello')[2] == '<Orvia> you said hello', 'the code action showed nothing')
  check(vim.fn.winnr('$') == 2, 'a second try opened another window')
end)
if not ran then table.insert(failures, 'error: ' .. tostring(err)) end

for _, msg in ipairs(failures) do io.stdout:write('FAIL: ' .. msg .. '\n') end
io.stdout:write(string.format('%d passed, %d failed\n', checks - #failures, #failures))
vim.cmd(#failures == 0 and 'qall!' or 'cquit 1')
